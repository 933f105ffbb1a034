#include "ModeloContraprestacoes.h"

#include "app/banco/ErroBanco.h"
#include "quadros/base/ui/DelegadoGrade.h"

#include <QColor>

namespace kelpa {

namespace {

QString textoOuVazio(const std::optional<Moeda> &valor)
{
    return valor ? valor->texto() : QString();
}

} // namespace

// --- shared ------------------------------------------------------------------

void ModeloContraprestacoesBase::setDados(ContraprestacoesLiquidas *dados, QChar segmento)
{
    beginResetModel();
    m_dados = dados;
    m_segmento = segmento;
    m_previa = {};
    recompor();
    endResetModel();
}

void ModeloContraprestacoesBase::setLado(LadoReceitaDespesa lado)
{
    if (m_lado == lado)
        return;
    beginResetModel();
    m_lado = lado;
    recompor();
    endResetModel();
}

void ModeloContraprestacoesBase::setDicas(const DicasContraprestacoes &dicas)
{
    m_dicas = dicas;
    atualizarTudo();
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ModeloContraprestacoesBase::setOperadoraDePlanos(bool operadoraDePlanos)
{
    if (m_operadoraDePlanos == operadoraDePlanos)
        return;
    beginResetModel();
    m_operadoraDePlanos = operadoraDePlanos;
    recompor();
    endResetModel();
}

void ModeloContraprestacoesBase::setPrevia(const PreviaContraprestacao &previa)
{
    if (!previa.ativa() && !m_previa.ativa())
        return;
    m_previa = previa;
    atualizarTudo();
}

LinhaReceitaUF ModeloContraprestacoesBase::linhaExibida(const LinhaReceitaUF &linha) const
{
    LinhaReceitaUF exibida = linha;
    if (m_previa.ativa() && m_previa.uf == linha.uf)
        exibida.valores[m_previa.coluna] = m_previa.valor;
    return exibida;
}

LinhaReceitaUF ModeloContraprestacoesBase::totaisExibidos() const
{
    LinhaReceitaUF total;
    total.uf = QStringLiteral("Tot");
    for (auto &v : total.valores)
        v = Moeda();
    if (!m_dados)
        return total;
    for (const LinhaReceitaUF &l : m_dados->linhas()) {
        const LinhaReceitaUF exibida = linhaExibida(l);
        for (int c = 0; c < LinhaReceitaUF::Colunas; ++c)
            total.valores[c] = *total.valores[c] + exibida.valor(static_cast<LinhaReceitaUF::Coluna>(c));
    }
    return total;
}

QString ModeloContraprestacoesBase::dicaDa(LinhaReceitaUF::Coluna coluna) const
{
    switch (LinhaReceitaUF::deReceita(coluna)) {
    case LinhaReceitaUF::RectPre:
        return textoDica(m_dicas.medicoPre);
    case LinhaReceitaUF::RectOutr:
        return textoDica(m_dicas.medicoOutras);
    case LinhaReceitaUF::RectPreOdon:
        return textoDica(m_dicas.odontoPre);
    case LinhaReceitaUF::RectOutrOdon:
        return textoDica(m_dicas.odontoOutras);
    default:
        return {};
    }
}

bool ModeloContraprestacoesBase::setData(const QModelIndex &indice, const QVariant &valor, int papel)
{
    QString uf;
    LinhaReceitaUF::Coluna coluna;
    if (papel != Qt::EditRole || !m_dados || !(flags(indice) & Qt::ItemIsEditable) || !alvo(indice, &uf, &coluna))
        return false;
    bool aceito = false;
    try {
        aceito = m_dados->informarDigitado(uf, coluna, valor.toString());
    } catch (const ErroBanco &e) {
        emit falhou(e.textoCompleto());
        return false;
    }
    m_previa = {};
    emit previaMudou(m_previa);
    atualizarTudo();
    if (aceito)
        emit alterado();
    return aceito;
}

QString ModeloContraprestacoesBase::previa(const QModelIndex &indice, const QString &texto)
{
    QString uf;
    LinhaReceitaUF::Coluna coluna;
    if (!m_dados || !(flags(indice) & Qt::ItemIsEditable) || !alvo(indice, &uf, &coluna))
        return {};
    QString semSinal = texto;
    semSinal.remove(u'-');
    m_previa = {uf, coluna, Moeda::lerDigitado(semSinal)};
    atualizarTudo();
    emit previaMudou(m_previa);
    return {};
}

void ModeloContraprestacoesBase::encerrarPrevia()
{
    if (!m_previa.ativa())
        return;
    m_previa = {};
    atualizarTudo();
    emit previaMudou(m_previa);
}

// --- every state -------------------------------------------------------------

ModeloContraprestacoes::ModeloContraprestacoes(bool totais, QObject *parent)
    : ModeloContraprestacoesBase(parent)
    , m_totais(totais)
{
    m_colunas = colunasDoSegmento(m_segmento, m_lado);
}

QList<ModeloContraprestacoes::ColunaGrade> ModeloContraprestacoes::colunasDoSegmento(QChar segmento, LadoReceitaDespesa lado)
{
    QList<ColunaGrade> colunas = colunasDeReceita(segmento);
    for (ColunaGrade &c : colunas)
        c.coluna = LinhaReceitaUF::coluna(lado, c.coluna);
    return colunas;
}

QList<ModeloContraprestacoes::ColunaGrade> ModeloContraprestacoes::colunasDeReceita(QChar segmento)
{
    using C = ColunaGrade;
    if (segmento == u'O')
        return {{C::UF, LinhaReceitaUF::RectPre, QStringLiteral("UF")},
                {C::Valor, LinhaReceitaUF::RectPreOdon, QStringLiteral("Pré-pgto")},
                {C::Valor, LinhaReceitaUF::RectOutrOdon, QStringLiteral("Outras")},
                {C::TotalOdonto, LinhaReceitaUF::RectPreOdon, QStringLiteral("Total")}};
    return {{C::UF, LinhaReceitaUF::RectPre, QStringLiteral("UF")},
            {C::Valor, LinhaReceitaUF::RectPre, QStringLiteral("Pré-Pagto")},
            {C::Valor, LinhaReceitaUF::RectOutr, QStringLiteral("Outras")},
            {C::TotalMedico, LinhaReceitaUF::RectPre, QStringLiteral("Total")},
            {C::Valor, LinhaReceitaUF::RectPreOdon, QStringLiteral("Pré-Pagto")},
            {C::Valor, LinhaReceitaUF::RectOutrOdon, QStringLiteral("Outras")},
            {C::TotalOdonto, LinhaReceitaUF::RectPreOdon, QStringLiteral("Total")}};
}

void ModeloContraprestacoes::recompor()
{
    m_colunas = colunasDoSegmento(m_segmento, m_lado);
}

QModelIndex ModeloContraprestacoes::indiceDe(const QString &uf, LinhaReceitaUF::Coluna coluna) const
{
    if (!m_dados || m_totais)
        return {};
    for (int linha = 0; linha < m_dados->linhas().size(); ++linha) {
        if (m_dados->linhas().at(linha).uf != uf)
            continue;
        for (int c = 0; c < m_colunas.size(); ++c)
            if (m_colunas.at(c).tipo == ColunaGrade::Valor && m_colunas.at(c).coluna == coluna)
                return index(linha, c);
    }
    return {};
}

int ModeloContraprestacoes::rowCount(const QModelIndex &pai) const
{
    if (pai.isValid() || !m_dados)
        return 0;
    return m_totais ? 1 : static_cast<int>(m_dados->linhas().size());
}

int ModeloContraprestacoes::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_colunas.size());
}

LinhaReceitaUF ModeloContraprestacoes::linhaDa(int linha) const
{
    return m_totais ? totaisExibidos() : linhaExibida(m_dados->linhas().at(linha));
}

QVariant ModeloContraprestacoes::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice) || !m_dados)
        return {};
    const ColunaGrade &coluna = m_colunas.at(indice.column());
    const LinhaReceitaUF linha = linhaDa(indice.row());
    // Totals that the amount being typed changes show in italics until it is accepted.
    bool afetada = false;
    switch (coluna.tipo) {
    case ColunaGrade::Valor:
        afetada = m_totais && m_previa.coluna == coluna.coluna;
        break;
    case ColunaGrade::TotalMedico:
        afetada = m_previa.coluna == colunaDoLado(LinhaReceitaUF::RectPre) || m_previa.coluna == colunaDoLado(LinhaReceitaUF::RectOutr);
        break;
    case ColunaGrade::TotalOdonto:
        afetada = m_previa.coluna == colunaDoLado(LinhaReceitaUF::RectPreOdon) || m_previa.coluna == colunaDoLado(LinhaReceitaUF::RectOutrOdon);
        break;
    case ColunaGrade::UF:
        break;
    }
    const bool emPrevia = m_previa.ativa() && afetada && (m_totais || m_previa.uf == linha.uf);
    switch (papel) {
    case Qt::DisplayRole:
        switch (coluna.tipo) {
        case ColunaGrade::UF:
            return linha.uf;
        case ColunaGrade::Valor:
            return textoOuVazio(linha.valores.at(coluna.coluna));
        case ColunaGrade::TotalMedico:
            if (!m_totais && !linha.preenchida(colunaDoLado(LinhaReceitaUF::RectPre)) && !linha.preenchida(colunaDoLado(LinhaReceitaUF::RectOutr)))
                return QString();
            return linha.totalMedico(m_lado).texto();
        case ColunaGrade::TotalOdonto:
            if (!m_totais && !linha.preenchida(colunaDoLado(LinhaReceitaUF::RectPreOdon))
                && !linha.preenchida(colunaDoLado(LinhaReceitaUF::RectOutrOdon)))
                return QString();
            return linha.totalOdonto(m_lado).texto();
        }
        return {};
    case Qt::EditRole:
        if (coluna.tipo == ColunaGrade::Valor && !m_totais) {
            const auto &v = m_dados->linhas().at(indice.row()).valores.at(coluna.coluna);
            return v ? v->textoSemAgrupamento() : QString();
        }
        return data(indice, Qt::DisplayRole);
    case Qt::ToolTipRole:
        return coluna.tipo == ColunaGrade::Valor ? QVariant(dicaDa(coluna.coluna)) : QVariant();
    case Qt::FontRole:
        if (m_totais || coluna.tipo == ColunaGrade::TotalMedico || coluna.tipo == ColunaGrade::TotalOdonto || emPrevia) {
            QFont f;
            f.setBold(m_totais || coluna.tipo == ColunaGrade::TotalMedico || coluna.tipo == ColunaGrade::TotalOdonto);
            f.setItalic(emPrevia);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        return coluna.tipo == ColunaGrade::UF ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case DelegadoGrade::PapelEstadoTransmissao:
        return m_totais ? QVariant() : QVariant(linha.estadoTransmissao);
    default:
        return {};
    }
}

Qt::ItemFlags ModeloContraprestacoes::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_totais && habilitado() && m_dados && m_colunas.at(indice.column()).tipo == ColunaGrade::Valor)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloContraprestacoes::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= m_colunas.size())
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    const ColunaGrade &coluna = m_colunas.at(secao);
    switch (papel) {
    case Qt::DisplayRole:
        return coluna.titulo;
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignCenter);
    case Qt::ToolTipRole:
        // Column titles explain themselves only for the chart of accounts of 2007 on.
        return m_dicas.nosTitulosDaGrade && coluna.tipo == ColunaGrade::Valor ? QVariant(dicaDa(coluna.coluna)) : QVariant();
    default:
        return {};
    }
}

bool ModeloContraprestacoes::alvo(const QModelIndex &indice, QString *uf, LinhaReceitaUF::Coluna *coluna) const
{
    if (m_totais || !m_dados || !indice.isValid() || !checkIndex(indice))
        return false;
    const ColunaGrade &c = m_colunas.at(indice.column());
    if (c.tipo != ColunaGrade::Valor)
        return false;
    *uf = m_dados->linhas().at(indice.row()).uf;
    *coluna = c.coluna;
    return true;
}

// --- the one state -----------------------------------------------------------

ModeloContraprestacoesUF::ModeloContraprestacoesUF(QObject *parent)
    : ModeloContraprestacoesBase(parent)
{
    m_itens = itensDoSegmento(m_segmento);
}

QList<ModeloContraprestacoesUF::Item> ModeloContraprestacoesUF::itensDoSegmento(QChar segmento) const
{
    // Quadro 9 speaks of indemnifiable events, insurers of claims; Quadro 8 of
    // considerations, insurers of premiums.
    const bool eventos = m_lado == LadoReceitaDespesa::Despesas;
    auto rotulo = [this, eventos](QString texto) {
        if (eventos) {
            texto.replace(QStringLiteral("Contraprestações"), QStringLiteral("Eventos Indenizáveis"));
            texto.replace(QStringLiteral("Eventos Indenizáveis na modalidade"), QStringLiteral("Eventos indenizáveis na modalidade"));
            texto.replace(QStringLiteral("Eventos Indenizáveis em outras"), QStringLiteral("Eventos indenizáveis em outras"));
            if (!m_operadoraDePlanos)
                texto.replace(QStringLiteral("Eventos Indenizáveis"), QStringLiteral("Sinistros"));
        } else if (!m_operadoraDePlanos) {
            texto.replace(QStringLiteral("Contraprestações"), QStringLiteral("Prêmios"));
        }
        return texto;
    };
    const auto c = [this](LinhaReceitaUF::Coluna deReceita) { return colunaDoLado(deReceita); };
    const QString medico = QStringLiteral("Planos de Assistência Médico-Hospitalar");
    const QString odonto = QStringLiteral("Planos de Assistência Odontológica");
    if (segmento == u'O')
        return {{Item::Grupo, c(LinhaReceitaUF::RectPreOdon), odonto, true},
                {Item::Valor, c(LinhaReceitaUF::RectPreOdon), rotulo(QStringLiteral("Contraprestações na modalidade de pré-pagamento :"))},
                {Item::Valor, c(LinhaReceitaUF::RectOutrOdon), rotulo(QStringLiteral("Contraprestações em outras modalidades :"))},
                {Item::TotalGeral, c(LinhaReceitaUF::RectPreOdon), QStringLiteral("Total :")}};
    return {{Item::Grupo, c(LinhaReceitaUF::RectPre), medico, false},
            {Item::Valor, c(LinhaReceitaUF::RectPre), rotulo(QStringLiteral("Contraprestações na Modalidade de Pré-pagamento :"))},
            {Item::Valor, c(LinhaReceitaUF::RectOutr), rotulo(QStringLiteral("Contraprestações em Outras Modalidades :"))},
            {Item::TotalMedico, c(LinhaReceitaUF::RectPre), QStringLiteral("Total :")},
            {Item::Grupo, c(LinhaReceitaUF::RectPreOdon), odonto, true},
            {Item::Valor, c(LinhaReceitaUF::RectPreOdon), rotulo(QStringLiteral("Contraprestações na Modalidade de Pré-pagamento :"))},
            {Item::Valor, c(LinhaReceitaUF::RectOutrOdon), rotulo(QStringLiteral("Contraprestações em Outras Modalidades :"))},
            {Item::TotalOdonto, c(LinhaReceitaUF::RectPreOdon), QStringLiteral("Total :")},
            {Item::TotalGeral, c(LinhaReceitaUF::RectPre), QStringLiteral("Total Geral :")}};
}

void ModeloContraprestacoesUF::recompor()
{
    m_itens = itensDoSegmento(m_segmento);
}

void ModeloContraprestacoesUF::setUF(const QString &uf)
{
    m_uf = uf;
    m_previa = {};
    atualizarTudo();
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

const LinhaReceitaUF *ModeloContraprestacoesUF::linhaDaUF() const
{
    return m_dados && !m_uf.isEmpty() ? m_dados->linha(m_uf) : nullptr;
}

QModelIndex ModeloContraprestacoesUF::indiceDe(LinhaReceitaUF::Coluna coluna) const
{
    for (int i = 0; i < m_itens.size(); ++i)
        if (m_itens.at(i).tipo == Item::Valor && m_itens.at(i).coluna == coluna)
            return index(i, 1);
    return {};
}

int ModeloContraprestacoesUF::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_itens.size());
}

int ModeloContraprestacoesUF::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : 2;
}

QVariant ModeloContraprestacoesUF::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return {};
    const Item &item = m_itens.at(indice.row());
    const LinhaReceitaUF *guardada = linhaDaUF();
    const bool valor = indice.column() == 1;
    const bool total = item.tipo == Item::TotalMedico || item.tipo == Item::TotalOdonto || item.tipo == Item::TotalGeral;
    switch (papel) {
    case Qt::DisplayRole: {
        if (!valor)
            return item.rotulo;
        if (!guardada || item.tipo == Item::Grupo)
            return QString();
        const LinhaReceitaUF linha = linhaExibida(*guardada);
        switch (item.tipo) {
        case Item::Valor:
            return linha.valor(item.coluna).texto();
        case Item::TotalMedico:
            return linha.totalMedico(m_lado).texto();
        case Item::TotalOdonto:
            return linha.totalOdonto(m_lado).texto();
        case Item::TotalGeral:
            return linha.totalLinha(m_lado).texto();
        default:
            return QString();
        }
    }
    case Qt::EditRole:
        if (valor && guardada && item.tipo == Item::Valor) {
            const auto &v = guardada->valores.at(item.coluna);
            return v ? v->textoSemAgrupamento() : QString();
        }
        return data(indice, Qt::DisplayRole);
    case Qt::ToolTipRole:
        if (item.tipo == Item::Valor)
            return dicaDa(item.coluna);
        if (item.tipo == Item::Grupo) {
            const QString dica = textoDica(item.odonto ? m_dicas.grupoOdonto : m_dicas.grupoMedico);
            return dica.isEmpty() ? QVariant() : QVariant(dica);
        }
        return {};
    case Qt::FontRole:
        if (item.tipo == Item::Grupo || total) {
            QFont f;
            f.setBold(item.tipo == Item::Grupo || total);
            f.setItalic(valor && total && m_previa.ativa() && m_previa.uf == m_uf);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        return valor ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case DelegadoGrade::PapelEstadoTransmissao:
        return guardada ? QVariant(guardada->estadoTransmissao) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags ModeloContraprestacoesUF::flags(const QModelIndex &indice) const
{
    if (!indice.isValid() || !checkIndex(indice))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (indice.column() == 1 && habilitado() && linhaDaUF() && m_itens.at(indice.row()).tipo == Item::Valor)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeloContraprestacoesUF::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 && secao < 2)
        return secao == 0 ? QString() : (m_uf.isEmpty() ? QStringLiteral("Valor (R$)") : QStringLiteral("Valor (R$) - %1").arg(m_uf));
    return QAbstractTableModel::headerData(secao, orientacao, papel);
}

bool ModeloContraprestacoesUF::alvo(const QModelIndex &indice, QString *uf, LinhaReceitaUF::Coluna *coluna) const
{
    if (!indice.isValid() || !checkIndex(indice) || indice.column() != 1 || !linhaDaUF())
        return false;
    const Item &item = m_itens.at(indice.row());
    if (item.tipo != Item::Valor)
        return false;
    *uf = m_uf;
    *coluna = item.coluna;
    return true;
}

} // namespace kelpa
