// Tests of the resources compiled into Quorvel.exe: the dialog template, the two icons, the
// version and the manifest, read back from the executable file as the system reads them.
#include "QuorvelProcess.h"

#include <gtest/gtest.h>

#include "QuorvelVersion.h"
#include "resource.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr WORD kEnglishUk = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK);

class BuiltProgramResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExW(QuorvelProcess::BuiltProgram().wstring().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << "error " << GetLastError();
    }
    void TearDown() override { FreeLibrary(module); }

    // The bytes of a resource in British English, the only language the program carries.
    std::vector<std::uint8_t> Resource(const wchar_t* type, const wchar_t* name) const
    {
        const HRSRC found = FindResourceExW(module, type, name, kEnglishUk);
        if (!found) {
            return {};
        }
        const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
        return std::vector<std::uint8_t>(data, data + SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

// Reads a dialog template (DLGTEMPLATE and its DLGITEMTEMPLATEs) field by field.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<std::uint8_t>& bytes) : bytes(bytes) {}

    std::uint32_t Dword() { return Word() | static_cast<std::uint32_t>(Word()) << 16; }
    std::uint16_t Word()
    {
        if (at + 2 > bytes.size()) {
            throw std::out_of_range("template ends early");
        }
        const auto value = static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
        at += 2;
        return value;
    }
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
    std::wstring String()
    {
        std::wstring text;
        for (std::uint16_t c = Word(); c != 0; c = Word()) {
            text.push_back(static_cast<wchar_t>(c));
        }
        return text;
    }
    // A name or an ordinal: "#n" for an ordinal, the text otherwise.
    std::wstring NameOrOrdinal()
    {
        const std::uint16_t first = Word();
        if (first == 0xFFFF) {
            return L"#" + std::to_wstring(Word());
        }
        std::wstring text;
        for (std::uint16_t c = first; c != 0; c = Word()) {
            text.push_back(static_cast<wchar_t>(c));
        }
        return text;
    }
    void AlignToDword() { at = (at + 3) & ~std::size_t{3}; }

private:
    const std::vector<std::uint8_t>& bytes;
    std::size_t at = 0;
};

// Control classes may be stored as the system's ordinals or as names.
std::wstring ClassName(const std::wstring& stored)
{
    if (stored == L"#128") return L"button";
    if (stored == L"#130") return L"static";
    if (stored == L"#133") return L"combobox";
    std::wstring lower;
    for (wchar_t c : stored) lower.push_back(static_cast<wchar_t>(towlower(c)));
    return lower;
}

struct Control {
    std::wstring className;
    std::uint16_t id;
    std::wstring text;
    std::int16_t x, y, width, height;
    std::uint32_t style;
};

TEST_F(BuiltProgramResources, CarryTheMainDialogTemplateExactly)
{
    const auto bytes = Resource(MAKEINTRESOURCEW(5) /* RT_DIALOG */, L"MAINDIALOG");
    ASSERT_FALSE(bytes.empty()) << "no British English MAINDIALOG";
    TemplateReader reader(bytes);

    EXPECT_EQ(reader.Dword(), 0x00CA08C0u);  // caption, system menu, minimize box, modal frame, centred, font
    EXPECT_EQ(reader.Dword(), 0u);           // extended style
    const std::uint16_t count = reader.Word();
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 246);
    EXPECT_EQ(reader.Short(), 78);
    EXPECT_EQ(reader.NameOrOrdinal(), L"");  // no menu
    EXPECT_EQ(reader.NameOrOrdinal(), L"");  // the system's dialog class
    EXPECT_EQ(reader.String(), L"Quorvel ");
    EXPECT_EQ(reader.Word(), 8);
    EXPECT_EQ(reader.String(), L"MS Sans Serif");

    constexpr std::uint32_t child = WS_CHILD | WS_VISIBLE;
    const Control expected[] = {
        {L"button", IDC_OPEN_MIDI, L"&Open MIDI", 184, 8, 58, 14, child | BS_PUSHBUTTON | WS_TABSTOP},
        {L"button", IDC_RANDOMIZE, L"&Randomize (F1)", 184, 25, 58, 14, child | BS_PUSHBUTTON | WS_TABSTOP},
        {L"button", IDC_ABOUT, L"&About", 184, 42, 58, 14, child | BS_PUSHBUTTON | WS_TABSTOP},
        {L"button", IDCANCEL, L"&Quit", 184, 59, 58, 14, child | BS_PUSHBUTTON | WS_TABSTOP},
        {L"combobox", IDC_OUTPUT_DEVICE, L"", 38, 20, 130, 74, child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {L"combobox", IDC_CHANNEL, L"", 38, 46, 130, 67, child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {L"button", 0xFFFF, L"MIDI Output / Channel", 3, 3, 175, 70, child | BS_GROUPBOX},
        {L"static", 0xFFFF, L"#113", 10, 17, 20, 20, child | SS_ICON},
        {L"static", 0xFFFF, L"#114", 9, 44, 20, 20, child | SS_ICON},
    };
    ASSERT_EQ(count, std::size(expected));
    for (const Control& control : expected) {
        SCOPED_TRACE(testing::Message() << "control " << control.id << " " << std::string(control.text.begin(), control.text.end()));
        reader.AlignToDword();
        EXPECT_EQ(reader.Dword(), control.style);
        EXPECT_EQ(reader.Dword(), 0u);
        EXPECT_EQ(reader.Short(), control.x);
        EXPECT_EQ(reader.Short(), control.y);
        EXPECT_EQ(reader.Short(), control.width);
        EXPECT_EQ(reader.Short(), control.height);
        EXPECT_EQ(reader.Word(), control.id);
        EXPECT_EQ(ClassName(reader.NameOrOrdinal()), control.className);
        EXPECT_EQ(reader.NameOrOrdinal(), control.text);
        const std::uint16_t extra = reader.Word();
        for (std::uint16_t i = 0; i < extra; i += 2) {
            reader.Word();
        }
    }
}

BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages)
{
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

TEST_F(BuiltProgramResources, AreAllInBritishEnglish)
{
    const struct {
        const wchar_t* type;
        const wchar_t* name;
    } resources[] = {
        {MAKEINTRESOURCEW(5), L"MAINDIALOG"},
        {MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_MIDI_PORT)},
        {MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(IDI_KEYBOARD)},
        {MAKEINTRESOURCEW(16) /* RT_VERSION */, MAKEINTRESOURCEW(1)},
        {MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1)},
    };
    for (const auto& resource : resources) {
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module, resource.type, resource.name, CountLanguage, reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{kEnglishUk});
    }
}

BOOL CALLBACK CollectIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR groups)
{
    reinterpret_cast<std::vector<WORD>*>(groups)->push_back(
        IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0);
    return TRUE;
}

TEST_F(BuiltProgramResources, CarryBothIconsAt32By32In16Colours)
{
    for (const int group : {IDI_MIDI_PORT, IDI_KEYBOARD}) {
        SCOPED_TRACE(group);
        const auto directory = Resource(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEW(group));
        ASSERT_EQ(directory.size(), 6u + 14u) << "one image per icon";
        EXPECT_EQ(directory[4] | directory[5] << 8, 1);  // images
        const std::uint8_t* entry = directory.data() + 6;
        EXPECT_EQ(entry[0], 32);                   // width
        EXPECT_EQ(entry[1], 32);                   // height
        EXPECT_EQ(entry[2], 16);                   // colours
        EXPECT_EQ(entry[6] | entry[7] << 8, 4);    // bits per pixel
        const int image = entry[12] | entry[13] << 8;
        const auto bitmap = Resource(MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(image));
        ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bitmap.data(), sizeof header);
        EXPECT_EQ(header.biWidth, 32);
        EXPECT_EQ(header.biHeight, 64);  // colour and mask images stacked
        EXPECT_EQ(header.biBitCount, 4);
    }
    // No other icon group: the lowest-numbered, the connector, is the program's own icon.
    std::vector<WORD> groups;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), CollectIconGroup, reinterpret_cast<LONG_PTR>(&groups));
    EXPECT_EQ(groups, (std::vector<WORD>{IDI_MIDI_PORT, IDI_KEYBOARD}));
}

TEST(BuiltProgramVersion, NamesTheProgramAndTheProjectVersion)
{
    const std::wstring program = QuorvelProcess::BuiltProgram().wstring();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<std::uint8_t> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof *fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD high = MAKELONG(QUORVEL_VERSION_MINOR, QUORVEL_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, QUORVEL_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // One string table, British English in Unicode, as Explorer looks it up.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], kEnglishUk);
    EXPECT_EQ(translation[1], 1200);

    const std::wstring version = Wide(QUORVEL_VERSION_TEXT);
    const struct {
        const wchar_t* key;
        std::wstring value;
    } strings[] = {
        {L"ProductName", L"Quorvel"},
        {L"ProductVersion", version},
        {L"FileVersion", version},
        {L"FileDescription", L"Quorvel - random sounds for MIDI synthesizers"},
        {L"OriginalFilename", L"Quorvel.exe"},
        {L"CompanyName", L"The Quorvel project"},
    };
    for (const auto& string : strings) {
        SCOPED_TRACE(std::string(string.key, string.key + std::wcslen(string.key)));
        wchar_t* value = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080904B0\\") + string.key;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_EQ(std::wstring(value), string.value);
    }
}

TEST_F(BuiltProgramResources, CarryAManifestThatDeclaresDpiAwarenessAndWindowsVersions)
{
    const auto bytes = Resource(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(bytes.empty()) << "no manifest with resource id 1";
    const std::string manifest(bytes.begin(), bytes.end());
    const char* declarations[] = {
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, system</dpiAwareness>",
        "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",  // Vista
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // 7
        "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // 8
        "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // 8.1
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // 10 and 11
        "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
    };
    for (const char* declaration : declarations) {
        EXPECT_NE(manifest.find(declaration), std::string::npos) << declaration;
    }
}

// What the manifest is for: the system reads it when it starts the program (a manifest it
// cannot parse stops the start), and the dialog then runs with per-monitor awareness.
TEST(BuiltProgramManifest, MakesTheDialogPerMonitorDpiAware)
{
    QuorvelProcess quorvel;
    const HWND dialog = quorvel.WaitForDialog();
    // Per-monitor version 2 reports itself as per-monitor awareness (Wine has only that one).
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(dialog)), DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
