#pragma once

#include "common/Dialogs.h"
#include "state/app/StateApp.h"
#include "state/app/TFormPrincipal.h"
#include "tests/state/StateFixture.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

// The state module started on a fresh database with the given rows, its
// window shown and its dialogs answered by the test.
struct StateAppFixture
{
    explicit StateAppFixture(const QStringList &iips = {})
    {
        if (!iips.isEmpty())
            state.addRows(iips);
        Dialogs::setScripted(true);
        Dialogs::clearShown();
        app = std::make_unique<StateApp>();
        window()->show();
    }
    ~StateAppFixture()
    {
        app.reset();
        Dialogs::clearShown();
    }
    TFormPrincipal *window() const { return app->FormPrincipal; }
    QString sql(const QString &statement) const { return state.sql(statement); }
    void showTab(const QString &title) const
    {
        auto *tabs = window()->findChild<QTabWidget *>();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == title)
                tabs->setCurrentIndex(i);
    }
    template <typename T = QWidget>
    T *find(const QString &caption) const
    {
        return qobject_cast<T *>(TestSupport::findByCaption(window(), caption));
    }
    // Errors shown since the last call.
    QStringList errors() const
    {
        QStringList found;
        for (const Dialogs::Shown &s : Dialogs::shown())
            if (s.kind == QLatin1String("error"))
                found << s.text;
        return found;
    }

    StateFolder state;
    std::unique_ptr<StateApp> app;
};

// Clicks the button with this caption; fails the test when there is none.
inline void click(const StateAppFixture &f, const QString &caption)
{
    auto *button = f.find<QAbstractButton>(caption);
    QVERIFY2(button, qPrintable(QStringLiteral("no button '%1'").arg(caption)));
    QVERIFY2(button->isEnabled(), qPrintable(QStringLiteral("button '%1' is disabled").arg(caption)));
    QTest::mouseClick(button, Qt::LeftButton);
}
