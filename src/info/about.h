#pragma once

#include <QString>

// The maker's notices and the version as the About page shows them; set when the program is configured.
namespace barvoznak::about {

QString shortVersion(); // "v1.2."
QString copyright();
QString author();
QString webAddress(); // as shown
QString webUrl(); // as opened

} // namespace barvoznak::about
