#pragma once
// Runs one of poppler's tools (pdfinfo, pdftotext, pdffonts) on a written PDF and
// returns what it printed; a tool that fails or hangs fails the calling test.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace kontaro::test {

inline QString RunPdfTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace kontaro::test
