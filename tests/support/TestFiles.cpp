#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

TempFolder::TempFolder() {
    EXPECT_TRUE(m_dir.isValid());
}

void TempFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << out.errorString().toStdString();
    ASSERT_EQ(out.write(bytes), bytes.size());
}

QByteArray TempFolder::read(const QString& name) const {
    QFile in(file(name));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
    return in.readAll();
}

QByteArray symbolFile(const QString& gridString, const QString& program) {
    return "[Image]\nValue=" + gridString.toUtf8() + "\nRepertoire=" + program.toUtf8() + "\n";
}
