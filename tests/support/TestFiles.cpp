#include "support/TestFiles.h"

#include "store/SymbolFile.h"

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

void TempFolder::writeSymbol(const QString& name, const QString& gridString,
                             const QString& program) const {
    const auto failure = symbolfile::write(file(name), {gridString, program});
    ASSERT_FALSE(failure) << name.toStdString() << ": " << failure->detail.toStdString();
}

QByteArray TempFolder::read(const QString& name) const {
    QFile in(file(name));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name.toStdString();
    return in.readAll();
}
