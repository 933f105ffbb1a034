#pragma once

#include "Moeda.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <array>

namespace kelpa {

// Quadro 14: the balances of the operator's technical provisions at the end of a
// quarter, one row of amounts per quarter. Quarters up to 2004 have four provisions;
// from 2005 "Outras" is the sum of the remission provisions (short and long term)
// and the other provisions. From 2007 the provisions belong to the liabilities
// statement and this quadro holds nothing. The figures stay here until `gravar()`.
class ProvisoesTecnicas
{
public:
    enum Campo {
        Risco,      // VL_PROV_RISCO
        Operacao,   // VL_PROV_OPER
        EventosIbnr,// VL_PROV_EVEN_IBNR
        Outras,     // VL_PROV_OUTR: typed up to 2004, computed from 2005
        Remissao,   // VL_PROV_REMISSAO: computed, from 2005
        RemCurto,   // VL_PROV_REM_CURTO
        RemLongo,   // VL_PROV_REM_LONGO
        RemOutras,  // VL_PROV_REM_OUTRAS
    };
    static constexpr int Campos = 8;
    static QString coluna(Campo campo);

    static const QString Titulo;         // "Quadro 14: Provisões Técnicas"
    static const QString AvisoDesde2007; // the provisions went to Quadro 12
    static const QString AvisoAntes2003;
    // Quarters the quadro holds figures for: 2003 to 2006.
    static bool disponivel(const QDate &trimestre);
    static bool aPartirDe2007(const QDate &trimestre) { return trimestre.isValid() && trimestre >= QDate(2007, 1, 1); }
    // The layout with the remission provisions.
    static bool comRemissao(const QDate &trimestre) { return trimestre >= QDate(2005, 1, 1); }
    // The lines of the quarter's layout, top to bottom, as the screen and the printed
    // form show them: `campo` is a Campo, or -1 for "Total Geral:"; `recuo` the levels under "Outras".
    struct Linha {
        int campo = -1;
        QString rotulo;
        int recuo = 0;
    };
    static QList<Linha> leiaute(const QDate &trimestre);
    // The fields the user types in the quarter's layout, top to bottom.
    static QList<Campo> camposEntrada(const QDate &trimestre);

    ProvisoesTecnicas(QSqlDatabase db, QString codOper, QDate trimestre);

    QDate trimestre() const { return m_trimestre; }
    // Reads the quarter's row; a quarter without one gets it, with every amount
    // empty and flag "N". Throws ErroBanco when the database refuses.
    void carregar();
    // Reads the quarter's row without creating it; false when there is none.
    bool ler();

    bool entrada(Campo campo) const { return camposEntrada(m_trimestre).contains(campo); }
    // A typed amount in a field of the layout, cut toward zero to cents; the computed
    // fields and the total follow. Returns whether the field changed.
    bool informar(Campo campo, Moeda valor);
    Moeda valor(Campo campo) const { return m_valores.at(campo); }
    // A line's amount: its field, or the total for -1.
    Moeda valorDaLinha(int campo) const { return campo < 0 ? total() : valor(static_cast<Campo>(campo)); }
    // "Total Geral:": risk + operation + IBNR + other provisions.
    Moeda total() const;
    QString estadoTransmissao() const { return m_estado; }
    // Something differs from what is stored.
    bool alterado() const { return m_valores != m_gravados; }

    // Writes the row in one transaction when something changed (the transmission flag
    // turns "T" and "A" into "A", anything else into "N"); an unchanged row keeps its flag.
    void gravar();

private:
    void recalcular();
    void garantirLinha();

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    std::array<Moeda, Campos> m_valores{};
    std::array<Moeda, Campos> m_gravados{};
    QString m_estado;
};

} // namespace kelpa
