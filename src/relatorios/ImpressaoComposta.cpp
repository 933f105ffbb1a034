#include "ImpressaoComposta.h"

namespace kelpa::relatorios {

void ImpressaoComposta::adicionar(std::unique_ptr<TqrpModRelatorioQOR> relatorio)
{
    m_relatorios.push_back(std::move(relatorio));
}

void ImpressaoComposta::adicionar(ImpressaoComposta &&outra)
{
    for (auto &r : outra.m_relatorios)
        m_relatorios.push_back(std::move(r));
    outra.m_relatorios.clear();
}

void ImpressaoComposta::carregar(const QSqlDatabase &db, const QString &operadora, const QDate &data,
                                 const QDateTime &emissao)
{
    for (const auto &r : m_relatorios) {
        r->setOperadora(operadora);
        r->setDataReferencia(data);
        r->setEmissao(emissao);
        r->carregar(db);
    }
}

bool ImpressaoComposta::temDados() const
{
    for (const auto &r : m_relatorios)
        if (r->carregado() && !r->vazio())
            return true;
    return false;
}

QStringList ImpressaoComposta::legendasSemDados() const
{
    QStringList legendas;
    for (const auto &r : m_relatorios)
        if (!r->carregado() || r->vazio())
            legendas << r->legenda();
    return legendas;
}

DocumentoRelatorio ImpressaoComposta::documento(const QString &titulo) const
{
    QList<Relatorio> relatorios;
    for (const auto &r : m_relatorios)
        if (r->carregado() && !r->vazio())
            relatorios << r->montar();
    return DocumentoRelatorio::paginar(relatorios, titulo);
}

QString ImpressaoComposta::mensagemSemDados(const QStringList &legendas)
{
    QString texto = QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:\r\r");
    for (const QString &l : legendas)
        texto += l + QStringLiteral("\r");
    return texto;
}

} // namespace kelpa::relatorios
