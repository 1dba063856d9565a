#include "municipal/summary/TFormKavel.h"

#include "common/Accessibility.h"
#include "common/BoundLineEdit.h"
#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/StepError.h"
#include "common/SummaryFile.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/summary/SummaryRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel *riskPanel(const QString &text, const QString &colour, QWidget *parent)
{
    auto *panel = new QLabel(text, parent);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("background-color: %1; color: black; border: 1px solid gray;").arg(colour));
    return panel;
}

} // namespace

TFormKavel::TFormKavel(TDataModule1 &dm, ReportEngine &reports, std::function<ReportParams()> headerParams,
                       QWidget *parent)
    : QWidget(parent, Qt::Window), m_dm(dm), m_reports(reports), m_headerParams(std::move(headerParams))
{
    setWindowTitle(QStringLiteral("Geração de dados para Dorsk-Kavel"));
    for (const QString &field : SummaryRecord::fields()) {
        auto *edit = new BoundLineEdit(this);
        edit->bind(dm.DataSourceKavel, field);
        m_boxes.insert(field, edit);
    }

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Dados gerais dos Municípios"), this);
    title->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *municipio = new QGroupBox(QStringLiteral("Município"), this);
    auto *municipioGrid = new QGridLayout(municipio);
    addLabelledBox(municipioGrid, 0, 0, QStringLiteral("Município:"), QStringLiteral("Municipio"));
    addLabelledBox(municipioGrid, 0, 2, QStringLiteral("UF:"), QStringLiteral("UF"));
    addLabelledBox(municipioGrid, 0, 4, QStringLiteral("Cod."), QStringLiteral("CodMun"));
    addLabelledBox(municipioGrid, 1, 0, QStringLiteral("Período :"), QStringLiteral("Periodo"));
    layout->addWidget(municipio);

    auto *indices = new QGroupBox(QStringLiteral("Índices de infestação predial e Breteau"), this);
    auto *species = new QHBoxLayout(indices);
    for (const auto &[heading, iip, ib] :
         {std::array<QString, 3>{QStringLiteral("Aedes aegypti"), "IIP", "IB"},
          std::array<QString, 3>{QStringLiteral("Aedes albopictus"), "IIPalb", "IBalb"}}) {
        auto *column = new QGroupBox(heading, indices);
        column->setAccessibleName(heading); // the two columns hold boxes of the same captions
        auto *grid = new QGridLayout(column);
        addLabelledBox(grid, 0, 0, QStringLiteral("IIP:"), iip);
        addLabelledBox(grid, 1, 0, QStringLiteral("IB:"), ib);
        species->addWidget(column);
    }
    layout->addWidget(indices);

    auto *strata = new QGroupBox(QStringLiteral("Classificação de estratos segundo o IIP para Ae. aegypti"), this);
    auto *strataGrid = new QGridLayout(strata);
    strataGrid->addWidget(new QLabel(QStringLiteral("N°"), strata), 0, 1);
    strataGrid->addWidget(new QLabel(QStringLiteral("%"), strata), 0, 2);
    strataGrid->addWidget(new QLabel(QStringLiteral("Risco"), strata), 0, 3);
    const struct
    {
        QString caption, count, share, risk, colour;
    } classes[] = {
        {QStringLiteral("Estratos <= 0,9"), "E<0,9_N°", "E<0,9_%", "Baixo", "#00c000"},
        {QStringLiteral("1,0 =< Estratos <= 3,9"), "1<E<3,9_N°", "1<E<3,9_%", "Médio", "#ffff00"},
        {QStringLiteral("Estratos >=4,0"), "E>4_N°", "E>4_%", "Alto", "#ff0000"},
    };
    int row = 1;
    for (const auto &c : classes) {
        addLabelledBox(strataGrid, row, 0, c.caption, c.count);
        strataGrid->addWidget(box(c.share), row, 2);
        box(c.share)->setAccessibleName(c.caption + QStringLiteral(" %"));
        strataGrid->addWidget(riskPanel(c.risk, c.colour, strata), row, 3);
        ++row;
    }
    layout->addWidget(strata);

    auto *containers = new QGroupBox(QStringLiteral("Criadouros para Ae. aegypti"), this);
    auto *containerGrid = new QGridLayout(containers);
    containerGrid->addWidget(new QLabel(QStringLiteral("N°"), containers), 0, 1);
    containerGrid->addWidget(new QLabel(QStringLiteral("%"), containers), 0, 2);
    row = 1;
    for (const char *name : {"A1", "A2", "B", "C", "D1", "D2", "E"}) {
        const QString c = QString::fromLatin1(name);
        addLabelledBox(containerGrid, row, 0, c, c + QStringLiteral("_N°"));
        QWidget *share = box(c + QStringLiteral("_%"));
        containerGrid->addWidget(share, row, 2);
        share->setAccessibleName(c + QStringLiteral(" %"));
        ++row;
    }
    layout->addWidget(containers);

    auto *buttons = new QHBoxLayout;
    auto *gerar = new QPushButton(QStringLiteral("Gerar"), this);
    auto *imprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    auto *fechar = new QPushButton(QStringLiteral("Fechar"), this);
    buttons->addStretch();
    for (QPushButton *b : {gerar, imprimir, fechar})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    Dialogs::connectStep(gerar, &QPushButton::clicked, this, &TFormKavel::SpeedButton1Click);
    Dialogs::connectStep(imprimir, &QPushButton::clicked, this, &TFormKavel::SpeedButton2Click);
    Dialogs::connectStep(fechar, &QPushButton::clicked, this, &TFormKavel::SpBtnFecharClick);

    adjustSize();
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

BoundLineEdit *TFormKavel::box(const QString &field)
{
    return m_boxes.value(field);
}

void TFormKavel::addLabelledBox(QGridLayout *grid, int row, int column, const QString &caption, const QString &field)
{
    auto *label = new QLabel(caption, grid->parentWidget());
    BoundLineEdit *edit = box(field);
    Accessibility::label(label, edit);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
}

void TFormKavel::generate()
{
    show();
    raise();
    try {
        SummaryRecord::generate(
            m_dm, [this](int field, const QString &text) { box(SummaryRecord::fields()[field])->setText(text); });
    } catch (const StepError &) {
        // The boxes show the stored record again, not the texts of a generation that failed.
        m_dm.ADOQueryKavel->reload();
        throw;
    }
}

QStringList TFormKavel::shownTexts() const
{
    QStringList texts;
    for (const QString &field : SummaryRecord::fields())
        texts << m_boxes.value(field)->text();
    return texts;
}

void TFormKavel::SpeedButton1Click()
{
    const QString proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath(SummaryRecord::proposedFileName(m_dm));
    const QString path = Dialogs::saveFileNameUnconfirmed(this, QStringLiteral("Salvar dados para Kavel"), proposed,
                                                          QStringLiteral("Tarvessa (*.nubrel)"));
    if (path.isEmpty())
        return;
    // A summary already sent to the state is not replaced by a slip.
    if (QFileInfo::exists(path)
        && !Dialogs::question(
            this, QStringLiteral("Atenção!"),
            QStringLiteral("O arquivo \"%1\" já existe. Deseja substituí-lo?").arg(QDir::toNativeSeparators(path))))
        return;
    SummaryFile::write(path, SummaryRecord::fileTable(shownTexts()));
}

void TFormKavel::SpeedButton2Click()
{
    const ReportParams header = m_headerParams();
    for (const QString &name : {QStringLiteral("Municipio"), QStringLiteral("UF"), QStringLiteral("Periodo")})
        m_reports.setParam(name, header.value(name));
    m_reports.executeReport(QStringLiteral("Report6"), this);
}

void TFormKavel::SpBtnFecharClick()
{
    // A value corrected in a box is kept in the record.
    m_dm.ADOQueryKavel->checkBrowseMode();
    hide();
}
