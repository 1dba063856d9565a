#include "tests/support/TestSupport.h"

#include "common/NumberText.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace TestSupport {

WorkFolder::WorkFolder() : m_previous(QDir::currentPath())
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    QDir::setCurrent(m_dir.path());
}

WorkFolder::~WorkFolder()
{
    QDir::setCurrent(m_previous);
}

void WorkFolder::initMunicipalDatabase() const
{
    QString err;
    const int code =
        run(QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Municipios"), {QStringLiteral("--init")}, path(), nullptr, &err);
    if (code != 0)
        qFatal("--init failed: %s", qPrintable(err));
}

int run(const QString &program, const QStringList &arguments, const QString &folder, QString *out, QString *err)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::unique_ptr<QTemporaryDir> ownHome()
{
    auto home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", home->path().toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    qunsetenv("XDG_CONFIG_HOME");
    return home;
}

QString sqlite(const QString &dbFile, const QString &sql)
{
    QString out, err;
    const int code = run(QStringLiteral("sqlite3"), {dbFile, sql}, QDir::currentPath(), &out, &err);
    if (code != 0)
        qWarning("sqlite3 failed: %s", qPrintable(err));
    return out.trimmed();
}

QString pdfText(const QString &pdfFile)
{
    QString out;
    run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")}, QDir::currentPath(),
        &out);
    return out;
}

namespace {

// The caption an assistive technology reads for a control: the texts of the
// labels related to it, else its own accessible name. (On Linux a list box's
// name is its current text; its caption comes through the label relation.)
QStringList captionsOf(QAccessibleInterface *iface)
{
    QStringList captions;
    const auto labels = iface->relations(QAccessible::Label);
    for (const auto &relation : labels)
        captions << relation.first->text(QAccessible::Name).trimmed();
    captions << iface->text(QAccessible::Name).trimmed();
    captions.removeAll(QString());
    return captions;
}

} // namespace

QWidget *findByCaption(QWidget *root, const QString &caption)
{
    // Labels carry their own text; the control is what they label. Of a
    // visible window, only what the user can see right now counts.
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (qobject_cast<QLabel *>(w) || (root->isVisible() && !w->isVisible()))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (iface && captionsOf(iface).contains(caption))
            return w;
    }
    return nullptr;
}

QStringList unnamedControls(QWidget *root)
{
    QStringList found;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const bool control = qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                             || qobject_cast<QAbstractButton *>(w) || qobject_cast<QPlainTextEdit *>(w)
                             || qobject_cast<QTextEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w);
        if (!control || (w->parentWidget() && qobject_cast<QComboBox *>(w->parentWidget())))
            continue;
        // Qt's own inner parts (tab bar scroll arrows, line edit of a combo) are not ours.
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || captionsOf(iface).isEmpty())
            found << QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }
    return found;
}

QString decimalPoint()
{
    return NumberText::userLocale().decimalPoint();
}

QString local(const QString &number)
{
    return QString(number).replace(QLatin1Char('.'), decimalPoint());
}

QString foreign(const QString &number)
{
    return QString(number).replace(QLatin1Char('.'),
                                   decimalPoint() == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(","));
}

void whenModal(const std::function<bool(QWidget *)> &act)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget *modal = QApplication::activeModalWidget();
        if ((modal && modal->isVisible() && act(modal)) || ++*tries > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace TestSupport
