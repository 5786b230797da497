#pragma once

#include <QString>

// The program's facts as configured in CMake: its names, version and description, its id on the desktop,
// and the maker's notices the About page shows.
namespace barvoznak::about {

QString productName(); // "Barvoznak", as the user reads it
QString programName(); // "barvoznak", its file's name
QString version(); // "1.2.0.20"
QString shortVersion(); // "v1.2."
QString description(); // in Czech, one sentence
QString appId(); // names the desktop entry the windows belong to
QString copyright();
QString author();
QString webAddress(); // as shown
QString webUrl(); // as opened

} // namespace barvoznak::about
