#include "ModeloFluxoCaixa.h"

#include "quadros/base/ui/DelegadoGrade.h"

#include <QColor>

namespace kelpa {

namespace {

using Linha = ModeloFluxoCaixa::Linha;

// The summary page's captions are followed by a row of dots, as on the printed form.
QString comPontos(const QString &rotulo)
{
    if (rotulo.size() >= 48)
        return rotulo;
    return rotulo + QLatin1Char(' ') + QString(64 - rotulo.size(), u'.');
}

} // namespace

ModeloFluxoCaixa::ModeloFluxoCaixa(QStringList titulosValores, QList<Linha> linhas, QObject *parent)
    : ModeloValores(parent)
    , m_titulos(std::move(titulosValores))
    , m_linhas(std::move(linhas))
{
}

QList<Linha> ModeloFluxoCaixa::linhasDaPagina(int pagina)
{
    switch (pagina) {
    case 0:
        return {
            {QStringLiteral("000"), comPontos(QStringLiteral("SALDO DO TRIMESTRE ANTERIOR (Caixa + Bancos Conta Depósitos)")), 2, false},
            {QStringLiteral("011"), comPontos(QStringLiteral("ATIVIDADES OPERACIONAIS")), 1, true},
            {QStringLiteral("012"), comPontos(QStringLiteral("ATIVIDADES DE INVESTIMENTO")), 1, true},
            {QStringLiteral("013"), comPontos(QStringLiteral("ATIVIDADES DE FINANCIAMENTO")), 1, true},
            {QStringLiteral("014"), comPontos(QStringLiteral("FLUXO DE CAIXA DO TRIMESTRE")), 2, true},
            {QStringLiteral("015"), comPontos(QStringLiteral("SALDO FINAL DO TRIMESTRE")), 2, true},
        };
    case 1:
        return {
            {QStringLiteral("101"), QStringLiteral("(+) Recebimentos de Plano de Saúde")},
            {QStringLiteral("102"), QStringLiteral("(+) Outros Recebimentos Operacionais")},
            {QStringLiteral("103"), QStringLiteral("(-) Pagamentos a Fornecedores/Prestadores de Serviços de Saúde")},
            {QStringLiteral("104"), QStringLiteral("(-) Pagamentos de Comissões")},
            {QStringLiteral("105"), QStringLiteral("(-) Pagamentos de Pessoal")},
            {QStringLiteral("106"), QStringLiteral("(-) Pagamentos de Pró-Labore")},
            {QStringLiteral("107"), QStringLiteral("(-) Pagamentos de Serviços de Terceiros")},
            {QStringLiteral("108"), QStringLiteral("(-) Pagamentos de Tributos")},
            {QStringLiteral("109"), QStringLiteral("(-) Pagamentos de Contingências (Cíveis/Trabalhistas/Tributárias)")},
            {QStringLiteral("110"), QStringLiteral("(-) Pagamentos de Aluguel")},
            {QStringLiteral("111"), QStringLiteral("(-) Pagamentos de Promoção/Publicidade")},
            {QStringLiteral("112"), QStringLiteral("(-) Outros Pagamentos Operacionais")},
            {QStringLiteral("113"), QStringLiteral("CAIXA LÍQUIDO DAS ATIVIDADES OPERACIONAIS"), 1, true},
        };
    case 2:
        return {
            {QStringLiteral("201"), QStringLiteral("(+) Recebimentos de Venda de Ativo Imobilizado - HOSPITALAR")},
            {QStringLiteral("202"), QStringLiteral("(+) Recebimentos de Venda de Ativo Imobilizado - OUTROS")},
            {QStringLiteral("203"), QStringLiteral("(+) Recebimentos de Venda de Investimentos")},
            {QStringLiteral("204"), QStringLiteral("(+) Recebimentos de Dividendos")},
            {QStringLiteral("205"), QStringLiteral("(+) Outros Recebimentos das Atividades de Investimento")},
            {QStringLiteral("206"), QStringLiteral("(-) Pagamentos de Aquisição de Ativo Imobilizado - HOSPITALAR")},
            {QStringLiteral("207"), QStringLiteral("(-) Pagamentos de Aquisição de Ativo Imobilizado - OUTROS")},
            {QStringLiteral("208"), QStringLiteral("(-) Pagamentos Relativos ao Ativo Diferido")},
            {QStringLiteral("209"), QStringLiteral("(-) Pagamentos de Aquisição de Participação em Outras Empresas")},
            {QStringLiteral("210"), QStringLiteral("(-) Outros Pagamentos das Atividades de Investimento")},
            {QStringLiteral("211"), QStringLiteral("CAIXA LÍQUIDO DAS ATIVIDADES DE INVESTIMENTO"), 1, true},
        };
    case 3:
        return {
            {QStringLiteral("301"), QStringLiteral("(+) Integralização de Capital em Dinheiro")},
            {QStringLiteral("302"), QStringLiteral("(+) Recebimentos de Empréstimos/Financiamentos")},
            {QStringLiteral("303"), QStringLiteral("(+) Títulos (Recebíveis) Descontados")},
            {QStringLiteral("304"), QStringLiteral("(+) Recebimentos de Juros de Aplicações Financeiras")},
            {QStringLiteral("305"), QStringLiteral("(+) Resgate de Aplicações Financeiras")},
            {QStringLiteral("306"), QStringLiteral("(+) Outros Recebimentos das Atividades de Financiamento")},
            {QStringLiteral("307"), QStringLiteral("(-) Pagamentos de Juros e Encargos sobre Empréstimos/Financiamentos/Leasing")},
            {QStringLiteral("308"), QStringLiteral("(-) Pagamentos de Amortização de Empréstimos/Financiamentos/Leasing")},
            {QStringLiteral("309"), QStringLiteral("(-) Pagamentos de Participação no Resultado")},
            {QStringLiteral("310"), QStringLiteral("(-) Aplicações Financeiras")},
            {QStringLiteral("311"), QStringLiteral("(-) Outros Pagamentos das Atividades de Financiamento")},
            {QStringLiteral("312"), QStringLiteral("CAIXA LÍQUIDO DAS ATIVIDADES DE FINANCIAMENTO"), 1, true},
        };
    default:
        return {};
    }
}

QStringList ModeloFluxoCaixa::titulosDaPagina(int pagina)
{
    if (pagina == 0)
        return {QStringLiteral("CAIXA LÍQUIDO"), QStringLiteral("T O T A L")};
    return {QStringLiteral("Valor (R$)")};
}

QString ModeloFluxoCaixa::dicaSaldoFinal()
{
    return QStringLiteral("Resultado da soma do Saldo do trimestre anterior\r\ncom o Fluxo de Caixa do trimestre, que deverá ser \r\n"
                          "idêntico à soma dos saldos das contas Caixa (1211) e \r\nBancos Conta Depósitos (1212) do encerramento do \r\n"
                          "Trimestre Atual.");
}

void ModeloFluxoCaixa::setDados(FluxoCaixa *fluxo)
{
    beginResetModel();
    m_fluxo = fluxo;
    m_previa.fechar();
    endResetModel();
}

QModelIndex ModeloFluxoCaixa::indiceDoCodigo(const QString &codigo) const
{
    for (int i = 0; i < m_linhas.size(); ++i)
        if (m_linhas.at(i).codigo == codigo)
            return index(i, m_linhas.at(i).coluna);
    return {};
}

int ModeloFluxoCaixa::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_linhas.size());
}

int ModeloFluxoCaixa::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_titulos.size()) + 1;
}

bool ModeloFluxoCaixa::celulaDoValor(const QModelIndex &indice) const
{
    return indice.column() > 0 && indice.column() == m_linhas.at(indice.row()).coluna;
}

QVariant ModeloFluxoCaixa::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return {};
    const Linha &linha = m_linhas.at(indice.row());
    const bool valor = celulaDoValor(indice);
    const bool temValor = valor && m_fluxo;
    const bool emPrevia = temValor && m_previa.ativa() && indice.row() != m_previa.linha()
                          && exibido()->valor(linha.codigo) != m_fluxo->valor(linha.codigo);
    const Moeda quantia = temValor ? exibido()->valor(linha.codigo) : Moeda();
    switch (papel) {
    case Qt::DisplayRole:
        if (indice.column() == 0)
            return linha.rotulo;
        return temValor ? quantia.texto() : QVariant();
    case Qt::EditRole:
        if (indice.column() == 0)
            return linha.rotulo;
        return temValor ? m_fluxo->valor(linha.codigo).textoSemAgrupamento() : QVariant();
    case Qt::ToolTipRole: {
        if (linha.codigo == QLatin1String("015"))
            return textoDica(dicaSaldoFinal());
        const LinhaFluxoCaixa *l = m_fluxo ? m_fluxo->linha(linha.codigo) : nullptr;
        return l && !l->dica.trimmed().isEmpty() ? QVariant(textoDica(l->dica)) : QVariant();
    }
    case Qt::FontRole:
        if (linha.calculada || emPrevia) {
            QFont f;
            f.setBold(linha.calculada);
            f.setItalic(emPrevia);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        return temValor && quantia.negativo() ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::TextAlignmentRole:
        return indice.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

Qt::ItemFlags ModeloFluxoCaixa::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Linha &linha = m_linhas.at(indice.row());
    // A line that the quarter's version lacks is neither loaded nor saved: it is not typed either.
    if (habilitado() && m_fluxo && celulaDoValor(indice) && !linha.calculada && m_fluxo->existeLinha(linha.codigo))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloFluxoCaixa::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Horizontal && secao > 0 && secao <= m_titulos.size()) {
        if (papel == Qt::DisplayRole)
            return m_titulos.at(secao - 1);
        if (papel == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignCenter);
    }
    if (orientacao == Qt::Horizontal && secao == 0 && papel == Qt::DisplayRole)
        return QString();
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

bool ModeloFluxoCaixa::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !checkIndex(indice) || !(flags(indice) & Qt::ItemIsEditable))
        return false;
    m_previa.fechar();
    const EntradaFluxo entrada = m_fluxo->informar(m_linhas.at(indice.row()).codigo, Moeda::lerDigitado(valor.toString()));
    atualizarTudo();
    emit alterado();
    if (!entrada.aceita)
        emit recusado(indice, entrada.mensagem);
    return true;
}

QString ModeloFluxoCaixa::previa(const QModelIndex &indice, const QString &texto)
{
    if (!m_fluxo || !(flags(indice) & Qt::ItemIsEditable))
        return {};
    const QString codigo = m_linhas.at(indice.row()).codigo;
    const EntradaFluxo entrada = m_previa.abrir(*m_fluxo, indice.row()).informar(codigo, Moeda::lerDigitado(texto));
    atualizarTudo();
    return entrada.aceita ? QString() : entrada.mensagem;
}

void ModeloFluxoCaixa::encerrarPrevia()
{
    if (m_previa.fechar())
        atualizarTudo();
}

} // namespace kelpa
