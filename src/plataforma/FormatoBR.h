#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace kelpa {

// The program speaks Brazilian Portuguese whatever the machine's regional settings:
// "1.234,56" for amounts and "dd/mm/yyyy" for dates. Every text the user reads or
// types goes through here.
namespace FormatoBR {

QLocale locale();
// Sets the process-wide default locale to pt-BR; called once at start by each program.
void aplicarAoProcesso();

QString data(const QDate &data);                    // "31/12/2006"; empty for a null date
std::optional<QDate> lerData(const QString &texto); // accepts "31/12/2006"; nullopt for anything else
QString valor(double valor, int casas = 2);         // "1.234,56", "-0,50"
QString inteiro(qint64 valor);                      // "1.234"
// Reads "1.234,56", "1234,56" or "-12"; nullopt for text that is not a number.
std::optional<double> lerValor(const QString &texto);

} // namespace FormatoBR

} // namespace kelpa
