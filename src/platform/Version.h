#pragma once

#include <QString>

namespace corvane::platform {

// The program's version as major.minor.release.build ("3.0.0.0").
QString programVersion();
// The four numbers joined by dots; empty when major and minor are both 0 (an unknown version).
QString versionText(int major, int minor, int release, int build);

} // namespace corvane::platform
