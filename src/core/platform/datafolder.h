#pragma once

#include <QString>

// The folder that holds the preferences, the recurring-date lists, border
// pictures and icon libraries: $DATEWRIGHT_HOME when set, otherwise the
// per-user application data folder.
namespace DataFolder {

[[nodiscard]] QString path();

// The bundled read-only resources: the installed share folder, or the
// source tree's resources folder when running from a build.
[[nodiscard]] QString bundledResourcesPath();

// Creates the data folder and copies in every bundled file it lacks.
// Returns false with a message when the folder cannot be created.
bool ensureInitialized(QString *error = nullptr);
// The same, copying from a given folder instead of the bundled resources.
bool ensureInitialized(const QString &sourceFolder, QString *error);

// Looks a relative path up below a folder, ignoring letter case in every
// component; returns the path as found on disk, or empty when absent.
[[nodiscard]] QString findCaseInsensitive(const QString &folder, const QString &relativePath);

} // namespace DataFolder
