#include "common/KeptText.h"

#include <QFile>
#include <gtest/gtest.h>

void ExpectKeptText(const QString& actual, const QString& keptFile)
{
    if (qEnvironmentVariableIsSet("RIGSMITH_UPDATE_REFERENCES")) {
        QFile file(keptFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << keptFile.toStdString();
        file.write(actual.toUtf8());
        return;
    }
    QFile file(keptFile);
    const QString kept = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    // As std::string, so that a failure shows the two texts line by line.
    EXPECT_EQ(actual.toStdString(), kept.toStdString()) << keptFile.toStdString();
}
