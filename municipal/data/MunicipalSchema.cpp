#include "municipal/data/MunicipalSchema.h"

#include "common/Database.h"
#include "common/StepError.h"

#include <QFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

namespace MunicipalSchema {

namespace {

const char *const tables[] = {
    R"(CREATE TABLE "Cadastro" (
        "CodigoMunicipio" INTEGER, "Municipio" TEXT(35), "UF" TEXT(2),
        "TotalDeImoveisNoMunicipio" INTEGER, "PeriodoDeExecucao" TEXT(25), "Ano" TEXT(4)))",
    R"(CREATE TABLE "PlanoAmostral" (
        "CodigoMunicipio" INTEGER, "Estrato" INTEGER, "NumeroDeImoveisNoEstrato" INTEGER,
        "TamanhoDaAmostra" FLOAT, "NumeroDeQuarteiroesNoEstrato" INTEGER, "EstimativaDeImoveisPorQuart" FLOAT,
        "QuartQueComporaoAmostra" INTEGER, "PercentualDeQuartAmostrado" FLOAT, "IntervaloDeQuart" FLOAT,
        "QuartInicial" INTEGER))",
    R"(CREATE TABLE "DefinicaoQuart" (
        "Estrato" INTEGER, "Item" INTEGER, "Bairro" TEXT(35), "Quarteirao" TEXT(5),
        "Observação" TEXT(200), "TotalQuartBairro" INTEGER, "QuarteiroesATrabalhar" TEXT))",
    R"(CREATE TABLE "Necessidades" (
        "CodigoMunicipio" INTEGER, "QuantEstratosALevantar" FLOAT, "SomaDosImoveisATrabalhar" FLOAT,
        "RendImoveisHomenDia" FLOAT, "ExameLarvaHoraTecnico" FLOAT, "MediaLarvasTubito" FLOAT,
        "HorasDeTrabalho" FLOAT, "DiasPrevistos" FLOAT, "ServidoresNecessarios" FLOAT, "Supervisores" FLOAT,
        "RendTubitosHoraTecnico" FLOAT, "TubitosDiasTecnicos" FLOAT, "TecnicosNecessarios" FLOAT,
        "BolDiarioCampoLab" FLOAT, "NumTubitos" FLOAT))",
    R"(CREATE TABLE "Consolidado" (
        "Estrato" INTEGER, "ImoveisProgramados" INTEGER, "ImoveisInspecionados" INTEGER,
        "ImoveisComAegTB" INTEGER, "ImoveisComAegOutros" INTEGER, "ImoveisComAegTotal" INTEGER,
        "ImoveisComAlbTB" INTEGER, "ImoveisComAlbOutros" INTEGER, "ImoveisComAlbTotal" INTEGER,
        "DepositoAegA1" INTEGER, "DepositoAegA2" INTEGER, "DepositoAegB" INTEGER, "DepositoAegC" INTEGER,
        "DepositoAegD1" INTEGER, "DepositoAegD2" INTEGER, "DepositoAegE" INTEGER, "DepositoAegTotal" INTEGER,
        "Critica" TEXT(30), "DepositoAlbTotal" INTEGER))",
    R"(CREATE TABLE "TotaisDoConsolidado" (
        "TotalEstratos" INTEGER, "TotalImoveisProgramados" INTEGER, "TotalImoveisInspecionados" INTEGER,
        "TotalDepositoA1" INTEGER, "TotalDepositoA2" INTEGER, "TotalDepositoB" INTEGER, "TotalDepositoC" INTEGER,
        "TotalDepositoD1" INTEGER, "TotalDepositoD2" INTEGER, "TotalDepositoE" INTEGER, "TotalDepositos" INTEGER))",
    R"(CREATE TABLE "Indices" (
        "Estrato" INTEGER, "ImoveisProgramados" INTEGER, "ImoveisInspecionados" INTEGER,
        "ImoveisComAegTB" FLOAT, "ImoveisComAegOutros" FLOAT, "ImoveisComAlbTB" FLOAT, "ImoveisComAlbOutros" FLOAT,
        "PerdaNaAmostra" FLOAT, "IIPaeg" FLOAT, "IIPalb" FLOAT, "IBaeg" FLOAT, "IBalb" FLOAT,
        "A1" FLOAT, "A2" FLOAT, "B" FLOAT, "C" FLOAT, "D1" FLOAT, "D2" FLOAT, "E" FLOAT))",
    R"(CREATE TABLE "PercentuaisCriadouros" (
        "PercentDepA1" FLOAT, "PercentDepA2" FLOAT, "PercentDepB" FLOAT, "PercentDepC" FLOAT,
        "PercentDepD1" FLOAT, "PercentDepD2" FLOAT, "PercentDepE" FLOAT))",
    R"(CREATE TABLE "Kavel" (
        "Municipio" TEXT(32), "UF" TEXT(2), "IIP" FLOAT, "IB" FLOAT,
        "E<0,9_N°" INTEGER, "E<0,9_%" FLOAT, "1<E<3,9_N°" INTEGER, "1<E<3,9_%" FLOAT,
        "E>4_N°" INTEGER, "E>4_%" FLOAT, "A1_N°" INTEGER, "A1_%" FLOAT, "A2_N°" INTEGER, "A2_%" FLOAT,
        "B_N°" INTEGER, "B_%" FLOAT, "C_N°" INTEGER, "C_%" FLOAT, "D1_N°" INTEGER, "D1_%" FLOAT,
        "D2_N°" INTEGER, "D2_%" FLOAT, "E_N°" INTEGER, "E_%" FLOAT,
        "Periodo" TEXT(25), "CodMun" INTEGER, "IIPalb" FLOAT, "IBalb" FLOAT))",
    R"(CREATE TABLE "EstadosDoBrasil" ("Estado" TEXT(2) PRIMARY KEY))",
    R"(CREATE TABLE "MunicípiosDoBrasil" ("UF" TEXT(2), "Municipio" TEXT(35), "CodigoMunicipio" TEXT(7)))",
    R"(CREATE INDEX "MunicipiosPorUF" ON "MunicípiosDoBrasil" ("UF"))",
};

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw StepError(query.lastError().text());
}

void loadReference(QSqlDatabase &db)
{
    QFile file(QStringLiteral(":/data/municipios.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw StepError(QStringLiteral("A tabela de municípios não acompanha o programa."));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    QSqlQuery municipality(db);
    municipality.prepare(QStringLiteral(R"(INSERT INTO "MunicípiosDoBrasil" VALUES (?, ?, ?))"));
    QStringList states;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 3)
            throw StepError(QStringLiteral("Linha inválida na tabela de municípios: %1").arg(line));
        municipality.bindValue(0, parts[0]);
        municipality.bindValue(1, parts[2]);
        municipality.bindValue(2, parts[1]);
        exec(municipality);
        if (!states.contains(parts[0]))
            states << parts[0];
    }
    states.sort();
    QSqlQuery state(db);
    state.prepare(QStringLiteral(R"(INSERT INTO "EstadosDoBrasil" VALUES (?))"));
    for (const QString &uf : std::as_const(states)) {
        state.bindValue(0, uf);
        exec(state);
    }
}

} // namespace

void create(const QString &fileName)
{
    Database::createFilled(fileName, QStringLiteral("create-municipal"), [](QSqlDatabase &db) {
        for (const char *sql : tables)
            Database::exec(db, QString::fromUtf8(sql));
        loadReference(db);
    });
}

} // namespace MunicipalSchema
