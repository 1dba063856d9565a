#include "state/app/TFormAjuda.h"

#include <QPlainTextEdit>

namespace {

const char *const help = R"(Instruções

Situações obrigatórias
- O programa Nubrel2012Estados e o banco de dados Nubrel2012Estados.db devem ficar na mesma pasta. O programa procura o banco de dados na pasta em que é iniciado e não cria um banco novo por conta própria. O comando "./run.sh estados" prepara a pasta (por padrão ~/Nubrel, ou a pasta indicada em NUBREL_DIR) e cria o banco de dados vazio na primeira vez, com "Nubrel2012Estados --init", que nunca toca em um banco existente.
- A planilha não precisa de modelo: o programa grava a pasta de trabalho (.xlsx) com seus próprios cabeçalhos na pasta de documentos do usuário e a abre no aplicativo de planilhas padrão do computador.

Procedimentos

Importar dados
Os municípios enviam seus dados, por e-mail, em arquivos com o nome "Município-UF.nubrel", por exemplo "Rio de Janeiro-RJ.nubrel". Salve os arquivos recebidos em uma pasta, clique em "Importar dados" e escolha um ou vários arquivos: cada arquivo vira um registro novo no banco de dados, automaticamente. Importar o mesmo arquivo duas vezes gera dois registros iguais; apague o que sobrar.
Com um só arquivo, um valor que não combina com o seu campo (por exemplo 1.5 onde o separador decimal é a vírgula) é informado e o registro fica pendente na aba "Dados consolidados do município": corrija o campo e grave, ou cancele. Com vários arquivos, cada um é importado inteiro ou não é importado, e uma mensagem final lista o resultado de cada arquivo.

Navegador
Os botões do navegador, da esquerda para a direita: primeiro registro, registro anterior, próximo registro, último registro, excluir registro (pede confirmação), editar registro, gravar registro, cancelar edição e atualizar dados. "Registro n°  3  de  12" mostra a posição do registro atual e o número de registros da consulta atual.

Classificação
Na aba "Classificação", escolha uma faixa de IIP em "Classificar municípios por faixa de IIP :": "Todos", "IIP<=0,9", "1<=IIP<=3,9" ou "IIP>=4". A grade, o registro, a exportação, o relatório e "Apagar todo o BD" passam a tratar só dos municípios dessa faixa.

Exportar para o Excel e Imprimir
"Exportar para o Excel" grava os registros da consulta atual em uma planilha chamada "<Município>-<UF>-Consolidado Estados.xlsx" (o município e a UF do último registro), na pasta de documentos; se já houver um arquivo com esse nome, o programa pergunta antes de substituí-lo. "Imprimir" produz o relatório dos mesmos registros na impressora, na tela ou em um arquivo PDF.

Consultas SQL
Para outras combinações de dados, digite um comando na caixa ao lado de "Consultas SQL" e clique em "Consultas SQL", por exemplo: Select * from Kavel Where UF = 'RJ'. Um só comando por vez. Só o resultado de "Select * from Kavel" (com Where, Order by ou Limit) pode ser alterado; outros resultados apenas são mostrados.

Apagar todo o BD
Apaga todos os registros da consulta atual, depois de confirmar o número de registros. Depois de uma classificação, apaga só os registros daquela faixa.
)";

} // namespace

TFormAjuda::TFormAjuda(QWidget *parent) : HelpWindow(QString::fromUtf8(help), QSize(640, 560), parent)
{
    textBox()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
