#pragma once

#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"
#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A runtime folder of its own for each test: the build's Data, Graphics and
// Designs copied into a temporary folder that is the working folder, and the
// executable's place (so the settings file "rigsmith.ini") inside it.
class DesignerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFolder.isValid());
        for (const char* sub : {"Data", "Graphics", "Designs"})
            CopyFolder(QStringLiteral(RIGSMITH_RUNTIME_DIR "/") + QLatin1String(sub), Path(QLatin1String(sub)));
        FWorkingFolder = std::make_unique<TWorkingFolder>(FFolder.path());
    }

    void TearDown() override
    {
        FWindow.reset();
        FWorkingFolder.reset();
    }

    QString Path(const QString& name) const { return FFolder.filePath(name); }
    QString SettingsFile() const { return Path(QStringLiteral("rigsmith.ini")); }

    void WriteSettings(const QByteArray& content) const
    {
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadSettings() const
    {
        QFile file(SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Builds the window as the program does; the test fails when it cannot start.
    TfrmMain& Start(const QStringList& arguments = {})
    {
        // The window's own state begins as at program start, whatever an
        // earlier window of this test program left in it.
        LastMetalArmorLeft = 0;
        FWindow = std::make_unique<TfrmMain>(TProgramPaths{Path(QStringLiteral("rigsmith")), arguments});
        EXPECT_TRUE(FWindow->Init()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
        return *FWindow;
    }

    // Closes the window without the quit question, which writes the settings.
    void Shutdown()
    {
        FWindow->DeInit();
        FWindow.reset();
    }

    // Picks the entry as a user would: the list's handler runs.
    static void Choose(QComboBox* list, const QString& text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    TRecordingErrorSink Errors;
    std::unique_ptr<TfrmMain> FWindow;

private:
    static void CopyFolder(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        for (const QString& name : QDir(from).entryList(QDir::Files))
            QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
        for (const QString& name : QDir(from).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            CopyFolder(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
    }

    QTemporaryDir FFolder;
    std::unique_ptr<TWorkingFolder> FWorkingFolder;
};
