// The process-wide parameter table and the loading of Quorvel's own configuration file.
#include "ParameterTable.h"

#include "ConfigurationFile.h"
#include "ExecutablePath.h"

ParameterList ParameterTable;

std::filesystem::path ConfigurationPath()
{
    return ConfigurationPathFor(ExecutablePath());
}

bool LoadConfiguration()
{
    return LoadConfigurationFile(ConfigurationPath(), ParameterTable);
}
