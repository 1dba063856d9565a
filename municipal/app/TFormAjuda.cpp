#include "municipal/app/TFormAjuda.h"

namespace {

const char *const help = R"(Instruções

Situações obrigatórias
- O programa Nubrel2012Municipios e o banco de dados Nubrel2012Municipios.db devem ficar na mesma pasta (qualquer pasta). O programa procura o banco de dados na pasta em que é iniciado; o comando ./run.sh prepara essa pasta e cria o banco de dados na primeira vez.
- A planilha dos índices não precisa de modelo: o programa grava a pasta de trabalho (.xlsx) com os dados da aba Índices, salva-a automaticamente na pasta de documentos do usuário e a abre no aplicativo de planilhas padrão do computador.
- Estas condições valem porque o produto não tem instalador.

Cadastro
Escolha o ano, a UF e o município; preencha os demais campos (total de imóveis do município e período de execução); clique em "Gravar" e depois em "Fechar". Na janela principal, clique em "Entrar".

Plano Amostral e Definição de Quarteirões
1. Crie um estrato com o botão "Novo Estrato".
2. Preencha os campos brancos e tecle Tab: os campos verdes são calculados e gravados, e alguns valores são passados às planilhas de necessidades e de resultados.
3. Ao confirmar o número de quarteirões, informe o número de bairros a serem computados no estrato. Esta informação é obrigatória.
4. Abra a página "Definição de quarteirões".
5. Clique em "Novo Item"; o número do estrato atual é preenchido.
6. Digite o número do item (1 para o primeiro bairro), o nome do bairro e o número de quarteirões do bairro.
7. Clique no botão de cálculo: aparecem os quarteirões a serem trabalhados.
8. Repita a partir de "Novo Item" para cada bairro do estrato.
9. Volte ao plano amostral para cada novo estrato.

Necessidades
Preencha as quatro taxas (rendimento de imóveis por homem/dia, exames de larvas por hora por técnico, média de larvas por tubito e horas de trabalho), clique em "Cálculos Necessários" e faça os cálculos na janela que se abre. Preencha somente as caixas brancas.

Consolidado
Preencha os dados conforme o manual da coordenação, clique no botão de cálculo para produzir os índices e grave. Para produzir os dados para a coordenação nacional, clique em "Gerar Dados para Kavel", depois em "Gerar", escolha a pasta de destino e salve. É gravado um arquivo chamado "Município-UF.nubrel", por exemplo:
   Recife-PE.nubrel
   Campinas-SP.nubrel
   Porto Velho-RO.nubrel
   Santa Maria-RS.nubrel
Esse arquivo é enviado ao estado (por exemplo, por e-mail). Mais detalhes estão no manual do produto.
)";

} // namespace

TFormAjuda::TFormAjuda(QWidget *parent) : HelpWindow(QString::fromUtf8(help), QSize(640, 520), parent)
{}
