#pragma once

#include "common/Dialogs.h"
#include "municipal/app/MunicipalApp.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QTest>

#include <memory>

// A municipality module started in a fresh folder with a fresh database,
// its dialogs answered by the test.
struct AppFixture
{
    // `setupSql` runs on the fresh database before the program starts.
    explicit AppFixture(const QString &setupSql = QString())
    {
        folder.initMunicipalDatabase();
        if (!setupSql.isEmpty())
            sql(setupSql);
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        app = std::make_unique<MunicipalApp>();
    }
    ~AppFixture()
    {
        app.reset();
        Dialogs::clearShown();
    }
    QString db() const { return folder.file(QStringLiteral("Nubrel2012Municipios.db")); }
    QString sql(const QString &statement) const { return TestSupport::sqlite(db(), statement); }

    TestSupport::WorkFolder folder;
    std::unique_ptr<MunicipalApp> app;
};

// Clicks the button with this caption below `root`; fails the test when there is none.
inline void clickCaption(QWidget *root, const QString &caption)
{
    auto *button = qobject_cast<QAbstractButton *>(TestSupport::findByCaption(root, caption));
    QVERIFY2(button, qPrintable(QStringLiteral("no button '%1'").arg(caption)));
    QVERIFY2(button->isEnabled(), qPrintable(QStringLiteral("button '%1' is disabled").arg(caption)));
    QTest::mouseClick(button, Qt::LeftButton);
}
