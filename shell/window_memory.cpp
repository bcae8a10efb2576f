// The remembered sizes in one small INI file read through QSettings, after the file is checked.
#include "shell/window_memory.h"

#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace {

std::optional<QString>& chosenFile()
{
    static std::optional<QString> path;
    return path;
}

// A few windows' sizes fit in a few hundred bytes; anything much larger was not written by us.
constexpr std::uintmax_t largestFile = 64 * 1024;

// Missing is fine (nothing remembered yet); a link, a directory, a device or a huge file is left alone.
bool trustworthy(const QString& path, bool* exists = nullptr)
{
    std::error_code error;
    const std::filesystem::path at(path.toStdString());
    const std::filesystem::file_status status = std::filesystem::symlink_status(at, error);
    if (exists)
        *exists = status.type() != std::filesystem::file_type::not_found;
    if (status.type() == std::filesystem::file_type::not_found)
        return true;
    if (error || status.type() != std::filesystem::file_type::regular)
        return false;
    const std::uintmax_t size = std::filesystem::file_size(at, error);
    return !error && size <= largestFile;
}

QString key(const QString& window) { return window + QStringLiteral("/size"); }

} // namespace

namespace windowMemory {

QString file()
{
    if (chosenFile())
        return *chosenFile();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/toatoa-games/toatoa-games.conf");
}

void useFile(const QString& path) { chosenFile() = path; }

std::optional<QSize> lastSize(const QString& window)
{
    const QString path = file();
    bool exists = false;
    if (path.isEmpty() || !trustworthy(path, &exists) || !exists)
        return std::nullopt;
    const QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings.value(key(window));
    if (value.typeId() != QMetaType::QSize)
        return std::nullopt;
    const QSize size = value.toSize();
    if (size.width() <= 0 || size.height() <= 0)
        return std::nullopt;
    return size;
}

void remember(const QString& window, QSize size)
{
    const QString path = file();
    if (path.isEmpty() || !trustworthy(path))
        return;
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return;
    settings.setValue(key(window), size);
    settings.sync();
}

} // namespace windowMemory
