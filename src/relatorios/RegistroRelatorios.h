#pragma once

#include "ImpressaoComposta.h"

#include <QList>
#include <QString>
#include <functional>

namespace kelpa::relatorios {

// How one quadro prints: the report forms it adds, in print order.
struct FormaImpressao {
    QString chave;     // the quadro's number as its title prints it ("1", "15A"), or "VALIDACAO"
    QString descricao; // "Quadro 1: Cadastro"
    std::function<void(ImpressaoComposta &)> montar;
    // The warning naming what has nothing to print; when not set, the registration
    // printing's "O(s) relatório(s) abaixo não apresentam dados..." with the captions.
    std::function<QString(const ImpressaoComposta &)> mensagemSemDados;
};

// The printable quadros, by number. A quadro gets its printout by adding one entry
// in RegistroRelatorios.cpp.
class RegistroRelatorios
{
public:
    static const QList<FormaImpressao> &formas();
    // "15a", "Quadro 15A", "15A" and a quadro's title ("Quadro 15A: Distribuição por
    // Idade de Saldos") find the same entry; nullptr when the quadro has no report.
    static const FormaImpressao *localizar(const QString &chave);
    static QString normalizar(const QString &chave);

    // The warning for a print in which some reports had nothing to show; empty when every report has data.
    static QString mensagemSemDados(const FormaImpressao &forma, const ImpressaoComposta &impressao);
};

} // namespace kelpa::relatorios
