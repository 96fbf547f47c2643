// Writing the quiet openbox configuration; see QuietWindowManager.h.
#include "QuietWindowManager.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace storm {

namespace {

constexpr char configVariable[] = "XDG_CONFIG_HOME";

constexpr char quietConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew></focus>
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
)";

} // namespace

// The desktop passes the test's own environment on to openbox, so the configuration is
// found through the test process's XDG_CONFIG_HOME.
QuietWindowManager::QuietWindowManager()
    : previousConfigHome(qgetenv(configVariable)), hadConfigHome(qEnvironmentVariableIsSet(configVariable))
{
    const QDir home(configHome.path());
    QFile config(home.filePath(QStringLiteral("openbox/rc.xml")));
    if (!home.mkpath(QStringLiteral("openbox")) || !config.open(QIODevice::WriteOnly) ||
        config.write(quietConfig) != static_cast<qint64>(sizeof quietConfig - 1))
        throw std::runtime_error("cannot write the openbox configuration");
    qputenv(configVariable, configHome.path().toLocal8Bit());
}

QuietWindowManager::~QuietWindowManager()
{
    if (hadConfigHome)
        qputenv(configVariable, previousConfigHome);
    else
        qunsetenv(configVariable);
}

} // namespace storm
