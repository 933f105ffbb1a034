#pragma once

#include "DocumentoRelatorio.h"
#include "TqrpModRelatorioQOR.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QStringList>
#include <memory>
#include <vector>

namespace kelpa::relatorios {

// Several report forms printed as one document, in the order they were added, each
// starting on a new page. Reports left without data are named, not printed.
class ImpressaoComposta
{
public:
    ImpressaoComposta() = default;
    ImpressaoComposta(ImpressaoComposta &&) = default;
    ImpressaoComposta &operator=(ImpressaoComposta &&) = default;

    void adicionar(std::unique_ptr<TqrpModRelatorioQOR> relatorio);
    // Takes the reports of `outra`, as they are (read or not), after the ones here.
    void adicionar(ImpressaoComposta &&outra);
    qsizetype quantidade() const { return static_cast<qsizetype>(m_relatorios.size()); }
    TqrpModRelatorioQOR &relatorio(qsizetype i) const { return *m_relatorios.at(static_cast<size_t>(i)); }

    // Gives every report the operator, the date and one emission moment, and reads
    // their data. Throws ErroBanco when a statement fails.
    void carregar(const QSqlDatabase &db, const QString &operadora, const QDate &data,
                  const QDateTime &emissao = QDateTime::currentDateTime());

    bool temDados() const;
    // How the warning names the reports that have nothing to print, in print order.
    QStringList legendasSemDados() const;
    // The reports with data, laid out.
    DocumentoRelatorio documento(const QString &titulo = {}) const;

    // "O(s) relatório(s) abaixo não apresentam dados para o período selecionado:"
    // followed by two carriage returns and each caption followed by one.
    static QString mensagemSemDados(const QStringList &legendas);

private:
    std::vector<std::unique_ptr<TqrpModRelatorioQOR>> m_relatorios;
};

} // namespace kelpa::relatorios
