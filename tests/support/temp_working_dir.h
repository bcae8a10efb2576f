// A private working directory for one test, so record files never touch the player's own.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

class TempWorkingDir {
public:
    TempWorkingDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempWorkingDir() { QDir::setCurrent(previous_); }
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    bool exists(const QString& name) const { return QFile::exists(filePath(name)); }
    // The file's bytes as they lie on the disk; empty when there is no file.
    std::string bytes(const QString& name) const
    {
        std::ifstream in(filePath(name).toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
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
