#include "municipal/results/TFormGraficos.h"

#include "common/DataSet.h"
#include "common/Dialogs.h"
#include "common/NumberText.h"
#include "common/report/PictureReport.h"
#include "common/report/ReportEngine.h"
#include "municipal/data/TDataModule1.h"
#include "municipal/results/StratumBars.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {

const QString graphTitle3 =
    QStringLiteral("                          Frequência percentual de criadouros positivos para "
                   "Ae.aegypti em cada estrato do Município");

// Bars shaded from a lighter top to the colour at their base.
QBrush gradientBrush(const QColor &colour)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, colour.lighter(170));
    gradient.setColorAt(1, colour);
    return gradient;
}

// Bars shaded across their width, like a cylinder lit from the front.
QBrush cylinderBrush(const QColor &colour)
{
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, colour.darker(140));
    gradient.setColorAt(0.45, colour.lighter(150));
    gradient.setColorAt(1, colour.darker(140));
    return gradient;
}

// The category axis refuses repeated texts; a stratum number stored twice
// still gets its own slot through invisible marks.
QStringList distinct(const QStringList &strata)
{
    QStringList out;
    for (const QString &s : strata) {
        QString label = s;
        while (out.contains(label))
            label += QChar(0x200B);
        out << label;
    }
    return out;
}

void setValues(QBarSet *set, const QVector<double> &values)
{
    set->remove(0, set->count());
    for (const double v : values)
        set->append(v);
}

} // namespace

TFormGraficos::TFormGraficos(TDataModule1 &dm, ReportEngine &reports, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dm(dm), m_reports(reports)
{
    setWindowTitle(QStringLiteral("Gráficos do Nubrel para Aedes aegypti"));
    resize(1200, 820);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *layout = new QVBoxLayout(this);
    m_municipality = new QLabel(this);
    m_municipality->setObjectName(QStringLiteral("LabelMunicipio"));
    QFont bold = m_municipality->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_municipality->setFont(bold);
    layout->addWidget(m_municipality);

    m_iip = makeChart(ChartFilters::initialIipTitle(), QStringLiteral("Índice de infestação predial (IIP)"));
    m_ib = makeChart(QStringLiteral("Índice de Breteau (IB) para Ae.aegypti em cada estrato do Município"),
                     QStringLiteral("Índice de Breteau (IB)"));
    m_classes = makeChart(graphTitle3, QStringLiteral("Frequência % "));

    m_iipBars = new QBarSet(QStringLiteral("IIPaeg"));
    m_iipBars->setBrush(gradientBrush(QColor(0, 64, 64)));
    m_iipBars->setLabelColor(Qt::black);
    m_iip.series->append(m_iipBars);
    m_ibBars = new QBarSet(QStringLiteral("IBaeg"));
    m_ibBars->setBrush(cylinderBrush(QColor(0, 128, 192)));
    m_ibBars->setPen(Qt::NoPen);
    m_ibBars->setLabelColor(Qt::black);
    m_ib.series->append(m_ibBars);
    for (const BarChart *c : {&m_iip, &m_ib}) {
        c->series->setBarWidth(0.4);
        c->series->setLabelsVisible(true);
        c->series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    }
    for (const QString &name : StratumBars::classNames) {
        auto *set = new QBarSet(name);
        m_classBars << set;
        m_classes.series->append(set);
    }
    // The sets take the palette's colours once their series is in a chart.
    for (BarChart *c : {&m_iip, &m_ib, &m_classes}) {
        QChart *chart = c->view->chart();
        chart->addSeries(c->series);
        chart->addAxis(c->strata, Qt::AlignBottom);
        chart->addAxis(c->values, Qt::AlignLeft);
        c->series->attachAxis(c->strata);
        c->series->attachAxis(c->values);
        chart->legend()->hide();
    }
    m_iip.view->setObjectName(QStringLiteral("DBChart1"));
    m_classes.view->setObjectName(QStringLiteral("DBChart2"));
    m_ib.view->setObjectName(QStringLiteral("DBChart3"));

    auto *charts = new QGridLayout;
    charts->addWidget(m_iip.view, 0, 0);
    charts->addWidget(m_ib.view, 0, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_classes.view, 1);
    bottom->addWidget(classLegend());
    charts->addLayout(bottom, 1, 0, 1, 2);
    layout->addLayout(charts, 1);

    auto *controls = new QHBoxLayout;
    m_low = new QRadioButton(QStringLiteral("Estratos com baixo risco"), this);
    m_low->setObjectName(QStringLiteral("RadioButton1"));
    m_medium = new QRadioButton(QStringLiteral("Estratos com médio risco"), this);
    m_medium->setObjectName(QStringLiteral("RadioButton2"));
    m_high = new QRadioButton(QStringLiteral("Estratos com alto risco"), this);
    m_high->setObjectName(QStringLiteral("RadioButton3"));
    m_close = new QPushButton(QStringLiteral("Fechar"), this);
    m_close->setObjectName(QStringLiteral("SpeedButton1"));
    m_print = new QPushButton(QStringLiteral("Imprimir"), this);
    m_print->setObjectName(QStringLiteral("SpeedButton2"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_low, m_medium, m_high, m_close, m_print}) {
        // Hidden while printing, they keep their place so the charts do not move.
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        controls->addWidget(w);
    }
    controls->insertStretch(3);
    layout->addLayout(controls);

    Dialogs::connectStep(m_low, &QRadioButton::clicked, this, &TFormGraficos::RadioButton1Click);
    Dialogs::connectStep(m_medium, &QRadioButton::clicked, this, &TFormGraficos::RadioButton2Click);
    Dialogs::connectStep(m_high, &QRadioButton::clicked, this, &TFormGraficos::RadioButton3Click);
    Dialogs::connectStep(m_close, &QPushButton::clicked, this, &TFormGraficos::SpeedButton1Click);
    Dialogs::connectStep(m_print, &QPushButton::clicked, this, &TFormGraficos::SpeedButton2Click);

    // Bound to the stratum query: whatever changes its rows redraws the charts.
    const auto follow = [this] {
        if (isVisible())
            Dialogs::runStep(this, [this] { redraw(); });
    };
    connect(dm.ADOQueryIndices, &DataSet::rowsChanged, this, follow);
    connect(dm.ADOQueryIndices, &DataSet::fieldChanged, this, follow);

    m_reports.addReport(reportName(), [this] {
        return std::make_unique<PictureReport>(QSizeF(size()), [this](QPainter &painter) { paintPicture(painter); });
    });
}

QString TFormGraficos::reportName()
{
    return QStringLiteral("Gráficos");
}

QChart *TFormGraficos::DBChart1() const
{
    return m_iip.view->chart();
}

QChart *TFormGraficos::DBChart2() const
{
    return m_classes.view->chart();
}

QChart *TFormGraficos::DBChart3() const
{
    return m_ib.view->chart();
}

TFormGraficos::BarChart TFormGraficos::makeChart(const QString &title, const QString &valueTitle)
{
    BarChart c;
    auto *chart = new QChart;
    chart->setTitle(title);
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(8);
    chart->setTitleFont(titleFont);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setLocalizeNumbers(true);
    chart->setLocale(NumberText::userLocale());
    c.series = new QBarSeries(chart);
    c.strata = new QBarCategoryAxis(chart);
    c.strata->setTitleText(QStringLiteral("Estratos"));
    c.values = new QValueAxis(chart);
    c.values->setTitleText(valueTitle);
    c.values->setLabelFormat(QStringLiteral("%.1f"));
    for (QAbstractAxis *axis : std::initializer_list<QAbstractAxis *>{c.strata, c.values}) {
        QFont axisTitle = axis->titleFont();
        axisTitle.setPointSizeF(8);
        axis->setTitleFont(axisTitle);
        axis->setGridLineVisible(false);
        axis->setMinorGridLineVisible(false);
    }
    c.view = new QChartView(chart, this);
    c.view->setRenderHint(QPainter::Antialiasing);
    c.view->setBackgroundBrush(Qt::white);
    c.view->setMinimumSize(320, 220);
    return c;
}

// The legend of the container classes, titled "Criadouros": a swatch of each series' colour and its name.
QWidget *TFormGraficos::classLegend()
{
    auto *box = new QGroupBox(QStringLiteral("Criadouros"), this);
    box->setObjectName(QStringLiteral("LegendaCriadouros"));
    auto *grid = new QGridLayout(box);
    for (int i = 0; i < m_classBars.size(); ++i) {
        auto *swatch = new QLabel(box);
        swatch->setFixedSize(14, 14);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, m_classBars[i]->color());
        swatch->setPalette(p);
        grid->addWidget(swatch, i, 0);
        grid->addWidget(new QLabel(m_classBars[i]->label(), box), i, 1);
    }
    grid->setRowStretch(m_classBars.size(), 1);
    return box;
}

void TFormGraficos::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Dialogs::runStep(this, [this] { FormShow(); });
}

void TFormGraficos::FormShow()
{
    if (!m_centred) {
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        m_centred = true;
    }
    const DataSet &cadastro = *m_dm.ADOTableCadastro;
    m_municipality->setText(cadastro.asText(QStringLiteral("Municipio")) + QStringLiteral(" - ")
                            + cadastro.asText(QStringLiteral("UF")));
    redraw();
}

void TFormGraficos::RadioButton1Click()
{
    choose(ChartFilters::Choice::LowRisk);
}

void TFormGraficos::RadioButton2Click()
{
    choose(ChartFilters::Choice::MediumRisk);
}

void TFormGraficos::RadioButton3Click()
{
    choose(ChartFilters::Choice::HighRisk);
}

void TFormGraficos::SpeedButton1Click()
{
    choose(ChartFilters::Choice::AllStrata);
    hide();
}

void TFormGraficos::SpeedButton2Click()
{
    const QList<QWidget *> controls{m_low, m_medium, m_high, m_close, m_print};
    for (QWidget *w : controls)
        w->hide();
    // Shown again however printing ends.
    struct Restore
    {
        const QList<QWidget *> &controls;
        ~Restore()
        {
            for (QWidget *w : controls)
                w->show();
        }
    } restore{controls};
    m_reports.executeReport(reportName(), this);
}

void TFormGraficos::paintPicture(QPainter &painter)
{
    render(&painter);
    // A view drawn through render() on a scaled painter drops the bar labels
    // away from its corner; its scene draws them all.
    for (const BarChart *c : {&m_iip, &m_ib, &m_classes}) {
        const QRectF target(c->view->mapTo(this, QPoint(0, 0)), c->view->size());
        painter.fillRect(target, Qt::white);
        c->view->scene()->render(&painter, target, c->view->mapToScene(c->view->viewport()->rect()).boundingRect());
    }
}

void TFormGraficos::choose(ChartFilters::Choice choice)
{
    const ChartFilters::Filter filter = ChartFilters::filter(choice);
    ChartFilters::apply(*m_dm.ADOQueryIndices, filter.statement);
    DBChart1()->setTitle(filter.iipTitle);
    redraw();
}

void TFormGraficos::redraw()
{
    const StratumBars bars = StratumBars::read(*m_dm.ADOQueryIndices);
    setValues(m_iipBars, bars.iipAeg);
    setValues(m_ibBars, bars.ibAeg);
    for (int c = 0; c < m_classBars.size(); ++c)
        setValues(m_classBars[c], bars.classes[c]);

    const QStringList strata = distinct(bars.strata);
    for (BarChart *c : {&m_iip, &m_ib, &m_classes}) {
        c->strata->clear();
        c->strata->append(strata);
    }
    const auto top = [](const QVector<double> &values) {
        return values.isEmpty() ? 0.0 : *std::max_element(values.begin(), values.end());
    };
    double classesTop = 0;
    for (const QVector<double> &values : bars.classes)
        classesTop = std::max(classesTop, top(values));
    // Room above the tallest bar for its value label.
    const auto range = [](QValueAxis *axis, double highest) {
        axis->setRange(0, highest > 0 ? highest * 1.15 : 1.0);
        axis->applyNiceNumbers();
    };
    range(m_iip.values, top(bars.iipAeg));
    range(m_ib.values, top(bars.ibAeg));
    range(m_classes.values, classesTop);
}
