// A private working directory for one test, so record files never touch the player's own; and the
// bytes of a file as they lie on the disk.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>

// Empty when there is no file.
inline std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
inline void putBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class TempWorkingDir {
public:
    TempWorkingDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempWorkingDir() { QDir::setCurrent(previous_); }
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    std::string bytes(const QString& name) const { return bytesOf(filePath(name).toStdString()); }
    void put(const QString& name, const std::string& bytes) const { putBytes(filePath(name).toStdString(), bytes); }
    // The text as a record file stores it: every byte XOR the key.
    static std::string scrambled(std::string text, unsigned char key)
    {
        for (char& c : text)
            c = static_cast<char>(static_cast<unsigned char>(c) ^ key);
        return text;
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};
