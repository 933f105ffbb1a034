#pragma once

#include "ImpressaoComposta.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kelpa::relatorios {

// One choice of a printing selector: the caption the user ticks and the quadro
// (a key of RegistroRelatorios) it prints.
struct OpcaoImpressao {
    QString legenda;
    QString chave;
};

// Several quadros of one quarter printed together, as the printing selectors offer
// them: each chosen quadro is read; those without data are named (by the option's
// caption, in the order given) and the others go, in that order, into one document.
class ImpressaoSelecionada
{
public:
    // Throws ErroBanco when a quadro's data cannot be read.
    static ImpressaoSelecionada preparar(const QList<OpcaoImpressao> &opcoes, const QSqlDatabase &db,
                                         const QString &operadora, const QDate &data);

    // The quadros with data, ready for the preview (empty when none has any).
    const ImpressaoComposta &impressao() const { return m_impressao; }
    // The captions of the chosen quadros without data. A quadro that has nothing
    // to print for the quarter by its nature (no warning of its own) is not named.
    const QStringList &semDados() const { return m_semDados; }

private:
    ImpressaoComposta m_impressao;
    QStringList m_semDados;
};

} // namespace kelpa::relatorios
