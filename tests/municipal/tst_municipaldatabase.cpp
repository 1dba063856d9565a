#include "tests/support/TestSupport.h"

#include <QFileInfo>
#include <QTest>

using TestSupport::sqlite;

namespace {
const QString program = QStringLiteral(NUBREL_BIN_DIR "/Nubrel2012Municipios");
}

class TestMunicipalDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initWritesEveryTableInItsColumnOrder_data();
    void initWritesEveryTableInItsColumnOrder();
    void initShipsTheReferenceTables();
    void initRefusesAnExistingFile();
    void startWithoutDatabaseFails();
    void startWithForeignFileFails_data();
    void startWithForeignFileFails();
};

void TestMunicipalDatabase::initWritesEveryTableInItsColumnOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns"); // name:type, in order
    QTest::newRow("Cadastro")
        << "Cadastro"
        << "CodigoMunicipio:INTEGER Municipio:TEXT(35) UF:TEXT(2) TotalDeImoveisNoMunicipio:INTEGER "
           "PeriodoDeExecucao:TEXT(25) Ano:TEXT(4)";
    QTest::newRow("PlanoAmostral")
        << "PlanoAmostral"
        << "CodigoMunicipio:INTEGER Estrato:INTEGER NumeroDeImoveisNoEstrato:INTEGER TamanhoDaAmostra:FLOAT "
           "NumeroDeQuarteiroesNoEstrato:INTEGER EstimativaDeImoveisPorQuart:FLOAT QuartQueComporaoAmostra:INTEGER "
           "PercentualDeQuartAmostrado:FLOAT IntervaloDeQuart:FLOAT QuartInicial:INTEGER";
    QTest::newRow("DefinicaoQuart") << "DefinicaoQuart"
                                    << "Estrato:INTEGER Item:INTEGER Bairro:TEXT(35) Quarteirao:TEXT(5) "
                                       "Observação:TEXT(200) TotalQuartBairro:INTEGER QuarteiroesATrabalhar:TEXT";
    QTest::newRow("Necessidades")
        << "Necessidades"
        << "CodigoMunicipio:INTEGER QuantEstratosALevantar:FLOAT SomaDosImoveisATrabalhar:FLOAT "
           "RendImoveisHomenDia:FLOAT ExameLarvaHoraTecnico:FLOAT MediaLarvasTubito:FLOAT HorasDeTrabalho:FLOAT "
           "DiasPrevistos:FLOAT ServidoresNecessarios:FLOAT Supervisores:FLOAT RendTubitosHoraTecnico:FLOAT "
           "TubitosDiasTecnicos:FLOAT TecnicosNecessarios:FLOAT BolDiarioCampoLab:FLOAT NumTubitos:FLOAT";
    QTest::newRow("Consolidado")
        << "Consolidado"
        << "Estrato:INTEGER ImoveisProgramados:INTEGER ImoveisInspecionados:INTEGER ImoveisComAegTB:INTEGER "
           "ImoveisComAegOutros:INTEGER ImoveisComAegTotal:INTEGER ImoveisComAlbTB:INTEGER ImoveisComAlbOutros:INTEGER "
           "ImoveisComAlbTotal:INTEGER DepositoAegA1:INTEGER DepositoAegA2:INTEGER DepositoAegB:INTEGER "
           "DepositoAegC:INTEGER DepositoAegD1:INTEGER DepositoAegD2:INTEGER DepositoAegE:INTEGER "
           "DepositoAegTotal:INTEGER Critica:TEXT(30) DepositoAlbTotal:INTEGER";
    QTest::newRow("TotaisDoConsolidado")
        << "TotaisDoConsolidado"
        << "TotalEstratos:INTEGER TotalImoveisProgramados:INTEGER TotalImoveisInspecionados:INTEGER "
           "TotalDepositoA1:INTEGER TotalDepositoA2:INTEGER TotalDepositoB:INTEGER TotalDepositoC:INTEGER "
           "TotalDepositoD1:INTEGER TotalDepositoD2:INTEGER TotalDepositoE:INTEGER TotalDepositos:INTEGER";
    QTest::newRow("Indices") << "Indices"
                             << "Estrato:INTEGER ImoveisProgramados:INTEGER ImoveisInspecionados:INTEGER "
                                "ImoveisComAegTB:FLOAT ImoveisComAegOutros:FLOAT ImoveisComAlbTB:FLOAT "
                                "ImoveisComAlbOutros:FLOAT PerdaNaAmostra:FLOAT IIPaeg:FLOAT IIPalb:FLOAT IBaeg:FLOAT "
                                "IBalb:FLOAT A1:FLOAT A2:FLOAT B:FLOAT C:FLOAT D1:FLOAT D2:FLOAT E:FLOAT";
    QTest::newRow("PercentuaisCriadouros")
        << "PercentuaisCriadouros"
        << "PercentDepA1:FLOAT PercentDepA2:FLOAT PercentDepB:FLOAT PercentDepC:FLOAT PercentDepD1:FLOAT "
           "PercentDepD2:FLOAT PercentDepE:FLOAT";
    QTest::newRow("Kavel") << "Kavel"
                           << "Municipio:TEXT(32) UF:TEXT(2) IIP:FLOAT IB:FLOAT E<0,9_N°:INTEGER E<0,9_%:FLOAT "
                              "1<E<3,9_N°:INTEGER 1<E<3,9_%:FLOAT E>4_N°:INTEGER E>4_%:FLOAT A1_N°:INTEGER A1_%:FLOAT "
                              "A2_N°:INTEGER A2_%:FLOAT B_N°:INTEGER B_%:FLOAT C_N°:INTEGER C_%:FLOAT D1_N°:INTEGER "
                              "D1_%:FLOAT D2_N°:INTEGER D2_%:FLOAT E_N°:INTEGER E_%:FLOAT Periodo:TEXT(25) "
                              "CodMun:INTEGER IIPalb:FLOAT IBalb:FLOAT";
    QTest::newRow("EstadosDoBrasil") << "EstadosDoBrasil"
                                     << "Estado:TEXT(2)";
    QTest::newRow("MunicípiosDoBrasil") << "MunicípiosDoBrasil"
                                        << "UF:TEXT(2) Municipio:TEXT(35) CodigoMunicipio:TEXT(7)";
}

void TestMunicipalDatabase::initWritesEveryTableInItsColumnOrder()
{
    QFETCH(QString, table);
    QFETCH(QString, columns);
    TestSupport::WorkFolder folder;
    folder.initMunicipalDatabase();
    const QString info = sqlite(folder.file(QStringLiteral("Nubrel2012Municipios.db")),
                                QStringLiteral("select name || ':' || type from pragma_table_info('%1')").arg(table));
    QCOMPARE(info.split(QLatin1Char('\n')).join(QLatin1Char(' ')), columns);
}

void TestMunicipalDatabase::initShipsTheReferenceTables()
{
    TestSupport::WorkFolder folder;
    folder.initMunicipalDatabase();
    const QString db = folder.file(QStringLiteral("Nubrel2012Municipios.db"));
    QCOMPARE(sqlite(db, QStringLiteral("select count(*) from EstadosDoBrasil")), QStringLiteral("27"));
    QCOMPARE(sqlite(db, QStringLiteral("select count(*) from \"MunicípiosDoBrasil\"")), QStringLiteral("5570"));
    // every municipality belongs to a listed state, and its code starts with the state's code
    QCOMPARE(sqlite(db, QStringLiteral("select count(*) from \"MunicípiosDoBrasil\" where UF not in "
                                       "(select Estado from EstadosDoBrasil) or length(CodigoMunicipio) <> 7")),
             QStringLiteral("0"));
    QCOMPARE(
        sqlite(db, QStringLiteral("select count(distinct substr(CodigoMunicipio, 1, 2)) from \"MunicípiosDoBrasil\"")),
        QStringLiteral("27"));
    QCOMPARE(
        sqlite(db,
               QStringLiteral(
                   "select CodigoMunicipio from \"MunicípiosDoBrasil\" where UF = 'SP' and Municipio = 'São Paulo'")),
        QStringLiteral("3550308"));
    QCOMPARE(sqlite(db, QStringLiteral("select count(*) from \"MunicípiosDoBrasil\" where UF = 'DF'")),
             QStringLiteral("1"));
    // every survey table starts empty
    QCOMPARE(
        sqlite(db, QStringLiteral("select (select count(*) from Cadastro) + (select count(*) from PlanoAmostral) + "
                                  "(select count(*) from Kavel)")),
        QStringLiteral("0"));
}

void TestMunicipalDatabase::initRefusesAnExistingFile()
{
    TestSupport::WorkFolder folder;
    QFile existing(folder.file(QStringLiteral("Nubrel2012Municipios.db")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("dados do usuário");
    existing.close();
    QString err;
    QCOMPARE(TestSupport::run(program, {QStringLiteral("--init")}, folder.path(), nullptr, &err), 1);
    QVERIFY2(err.contains(QStringLiteral("já existe")), qPrintable(err));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("dados do usuário"));
}

void TestMunicipalDatabase::startWithoutDatabaseFails()
{
    TestSupport::WorkFolder folder;
    QString err;
    const int code = TestSupport::run(program, {}, folder.path(), nullptr, &err);
    QVERIFY(code != 0);
    QVERIFY2(err.contains(QStringLiteral("Nubrel2012Municipios.db")), qPrintable(err));
    QVERIFY2(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty(), "a file was left behind");
}

void TestMunicipalDatabase::startWithForeignFileFails_data()
{
    QTest::addColumn<QString>("sql"); // builds the file with sqlite3; empty: a text file
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a database") << QString() << QStringLiteral("não é um banco de dados");
    QTest::newRow("another layout") << QStringLiteral("create table Outra (x integer)") << QStringLiteral("Cadastro");
}

void TestMunicipalDatabase::startWithForeignFileFails()
{
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    TestSupport::WorkFolder folder;
    const QString db = folder.file(QStringLiteral("Nubrel2012Municipios.db"));
    if (sql.isEmpty()) {
        QFile text(db);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("isto não é um banco de dados\n");
    } else {
        sqlite(db, sql);
    }
    const QByteArray before = [&] {
        QFile f(db);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QString err;
    QVERIFY(TestSupport::run(program, {}, folder.path(), nullptr, &err) != 0);
    QVERIFY2(err.contains(reason), qPrintable(err));
    QFile after(db);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before); // the file is left as it was
}

QTEST_GUILESS_MAIN(TestMunicipalDatabase)
#include "tst_municipaldatabase.moc"
