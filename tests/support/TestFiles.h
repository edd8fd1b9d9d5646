#pragma once

#include "support/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, with small helpers to fill it.
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    // Writes bytes to a file of the folder, creating it; fails the test when it cannot.
    void write(const QString& name, const QByteArray& bytes) const;
    // Writes a shortcut's file as the editor does: its Grid string and program.
    void writeSymbol(const QString& name, const QString& gridString,
                     const QString& program = {}) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};
