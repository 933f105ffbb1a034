#pragma once

#include "quadros/demonstracoes/Moeda.h"

#include <QDate>
#include <QLatin1StringView>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

struct RegraModalidade;

// Quadros 9A and 8A keep their few amounts in columns of the quarter's header row
// (QUADRORECEITASDESPESASUF). What the user types stays here until `gravar()`
// writes it, so that "Cancelar" and a switch of quarter simply drop it.
class ValoresCabecalhoTrimestre
{
public:
    // Both quadros exist from the first quarter of 2003, for plan operators only.
    static bool disponivel(const QDate &trimestre) { return trimestre.isValid() && trimestre >= QDate(2003, 1, 1); }
    static QString AvisoSeguradora();  // the red text an insurer sees instead of the quadro
    static QString AvisoAntes2003();   // what a quarter before 2003 shows
    // The operators that fill them: those of Quadro 8, except that among companies
    // only the medical and dental group practices do.
    static const RegraModalidade &regraModalidade();
    // A dental modality ("COOPO", "ODGRP") in the operator's newest registration.
    static bool somenteOdonto(const QSqlDatabase &db, const QString &codOper);
    // share / total × 100 when both are there and not zero; else 0.
    static double percentual(const std::optional<Moeda> &parte, const std::optional<Moeda> &total);
    static QString textoPercentual(double percentual); // "25,00 %"

    QDate trimestre() const { return m_trimestre; }
    // Reads the quarter's header row; false when the quarter has none. Writes nothing.
    bool ler();
    bool lido() const { return m_lido; }

    // The amounts in the order of the columns given at construction; empty when never typed.
    std::optional<Moeda> valor(int campo) const { return m_valores.value(campo); }
    Moeda valorOuZero(int campo) const { return valor(campo).value_or(Moeda()); }
    // A typed amount, cut toward zero to cents (empty text is 0). Returns whether it changed.
    bool informar(int campo, Moeda valor);
    bool informarDigitado(int campo, const QString &texto);
    // Puts a field back as it was (empty included), e.g. when a typing is abandoned.
    void restaurar(int campo, const std::optional<Moeda> &valor);
    // Something typed differs from what is stored.
    bool alterado() const { return m_valores != m_gravados; }
    QString estadoTransmissao() const { return m_estado; }
    // How the printing selector judges the quarter empty: no header row, or each of
    // `campos` is zero once rounded to whole reais (a half going to the even neighbour).
    bool semValoresInteiros(const QList<int> &campos) const;

    // Writes the typed amounts into the header row in one transaction when something
    // changed (transmission state "T" and "A" become "A", anything else "N").
    // Throws ErroBanco when the database refuses; nothing is then written.
    void gravar();

protected:
    ValoresCabecalhoTrimestre(QSqlDatabase db, QString codOper, QDate trimestre, QList<QLatin1StringView> colunas);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    QList<QLatin1StringView> m_colunas;
    QList<std::optional<Moeda>> m_valores;
    QList<std::optional<Moeda>> m_gravados;
    QString m_estado;
    bool m_lido = false;
};

} // namespace kelpa
