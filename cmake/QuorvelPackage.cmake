# The download: Quorvel-<version>-win32.zip (win64 for the 64-bit build), made by
# `cmake --build --preset windows --target package`. The program is the single Quorvel.exe;
# beside it its configuration, the examples, the guide and the licence, all as text files
# with CR LF line ends so that every Windows editor shows them properly.
set(text_folder ${CMAKE_BINARY_DIR}/package-text)
set(to_windows ${PROJECT_SOURCE_DIR}/cmake/WindowsText.cmake)
set(texts)
function(quorvel_windows_text source target)
  add_custom_command(OUTPUT ${text_folder}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${text_folder}/examples
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${text_folder}/${target} ${ARGN} -P ${to_windows}
    DEPENDS ${source} ${to_windows}
    COMMENT "Writing ${target} with Windows line ends")
  set(texts ${texts} ${text_folder}/${target} PARENT_SCOPE)
endfunction()

quorvel_windows_text(${PROJECT_SOURCE_DIR}/README.md README.txt -DGUIDE=ON)
quorvel_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE)
quorvel_windows_text(${PROJECT_SOURCE_DIR}/config/Quorvel.cfg Quorvel.cfg)
file(GLOB examples CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/examples/*.cfg)
foreach(example IN LISTS examples)
  get_filename_component(name ${example} NAME)
  quorvel_windows_text(${example} examples/${name})
endforeach()
add_custom_target(quorvel_package_text ALL DEPENDS ${texts})

install(TARGETS Quorvel RUNTIME DESTINATION .)
install(FILES ${text_folder}/Quorvel.cfg ${text_folder}/README.txt ${text_folder}/LICENSE DESTINATION .)
install(DIRECTORY ${text_folder}/examples/ DESTINATION examples)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORVEL_PACKAGE_ARCH win64)
else()
  set(QUORVEL_PACKAGE_ARCH win32)
endif()
# CPack's own variables are changed while CPack is included, so the name is kept here too.
set(QUORVEL_PACKAGE_NAME Quorvel-${PROJECT_VERSION}-${QUORVEL_PACKAGE_ARCH})
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel project")
set(CPACK_PACKAGE_FILE_NAME ${QUORVEL_PACKAGE_NAME})
# Unpacked, the files are where the user unpacks them: no folder inside a folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
