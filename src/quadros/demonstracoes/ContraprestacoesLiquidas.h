#pragma once

#include "Moeda.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kelpa {

// The hints of Quadro 8's amount fields and group headings for one quarter.
struct DicasContraprestacoes {
    QString medicoPre, medicoOutras, odontoPre, odontoOutras;
    QString grupoMedico, grupoOdonto; // empty from 2007 on
    bool nosTitulosDaGrade = false;   // the grid's column titles show them too
};

// Quadros 8 and 9 keep their amounts in the same rows of RECEITASDESPESASUF:
// Quadro 8 (net consideration) the four revenue columns, Quadro 9 (net
// indemnifiable events) the four expense columns, in the same order.
enum class LadoReceitaDespesa { Receitas, Despesas };

// One state's row of RECEITASDESPESASUF: Quadro 8's four revenue columns and
// Quadro 9's four expense columns. An empty column is null and counts as 0.
struct LinhaReceitaUF {
    enum Coluna {
        RectPre, RectOutr, RectPreOdon, RectOutrOdon,                // Quadro 8
        DespMedcPre, DespMedcOutr, DespMedcPreOdon, DespMedcOutrOdon // Quadro 9
    };
    static constexpr int Colunas = 8;
    static const std::array<QString, Colunas> &nomesColunas();

    QString uf;
    std::array<std::optional<Moeda>, Colunas> valores;
    QString estadoTransmissao;

    // The column of `lado` that stands where `deReceita` stands among the revenues.
    static Coluna coluna(LadoReceitaDespesa lado, Coluna deReceita)
    {
        return lado == LadoReceitaDespesa::Receitas ? deReceita : static_cast<Coluna>(deReceita + DespMedcPre);
    }
    // The revenue column standing where `c` stands (itself for a revenue column).
    static Coluna deReceita(Coluna c) { return c >= DespMedcPre ? static_cast<Coluna>(c - DespMedcPre) : c; }
    static bool doLado(LadoReceitaDespesa lado, Coluna c) { return (c >= DespMedcPre) == (lado == LadoReceitaDespesa::Despesas); }

    Moeda valor(Coluna c) const { return valores.at(c).value_or(Moeda()); }
    bool preenchida(Coluna c) const { return valores.at(c).has_value(); }
    // VL_RECT_TOTAL / TT_DESP_MEDC, VL_RECT_TOTAL_ODON / TT_DESP_MEDC_ODON, and both.
    Moeda totalMedico(LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas) const
    {
        return valor(coluna(lado, RectPre)) + valor(coluna(lado, RectOutr));
    }
    Moeda totalOdonto(LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas) const
    {
        return valor(coluna(lado, RectPreOdon)) + valor(coluna(lado, RectOutrOdon));
    }
    Moeda totalLinha(LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas) const { return totalMedico(lado) + totalOdonto(lado); }
    bool vazia() const;
};

// Quadro 8 (net consideration) or, on the expense side, Quadro 9 (net indemnifiable
// events) of the quarter per state and plan kind. Amounts are written as each one is
// accepted; the undo snapshot brings back everything that was changed since the
// quadro was opened, the state choice included.
class ContraprestacoesLiquidas
{
public:
    ContraprestacoesLiquidas(QSqlDatabase db, QString codOper, QDate trimestre,
                             LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);

    LadoReceitaDespesa lado() const { return m_lado; }

    static QString titulo(bool operadoraDePlanos, LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);
    // "O" (dental only) when the registration in force at the quarter's end is of a
    // dental modality, "C" otherwise; nothing when there is no such registration.
    static std::optional<QChar> segmento(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre);
    // The page shown: 0 all states, 1 one state, 2 all states dental, 3 one state dental.
    static int pagina(QChar segmento, bool umaUF);
    static DicasContraprestacoes dicas(const QDate &trimestre, LadoReceitaDespesa lado = LadoReceitaDespesa::Receitas);
    // What the confirmation still lacks (">> UF" when one state was answered but none chosen).
    static QStringList pendencias(bool umaUF, const QString &uf);

    // Gives every state of TB_UFs its row for the quarter (and the quarter its header
    // and chart rows; on the expense side from 2006 also its cash-flow and ages rows)
    // in one transaction. True when something was created.
    bool criarLinhasFaltantes();
    // Reads the rows and the header and takes the undo snapshot.
    void carregar();

    const QList<LinhaReceitaUF> &linhas() const { return m_linhas; }
    const LinhaReceitaUF *linha(const QString &uf) const;
    QString ufUnica() const { return m_ufUnica; } // the header's CD_UF_OPER
    LinhaReceitaUF totais() const;                // the "Tot" row: sums over every state

    // An amount accepted in one of this side's columns, written at once. Negative
    // amounts, and columns of the other side, are refused (false, nothing written).
    bool informar(const QString &uf, LinhaReceitaUF::Coluna coluna, Moeda valor);
    // Typed text: a minus sign is ignored, empty is 0, cut to cents.
    bool informarDigitado(const QString &uf, LinhaReceitaUF::Coluna coluna, const QString &texto);

    // The operator works in this state only: every other state's eight amounts become
    // 0 and the header records the state. One transaction.
    void escolherUF(const QString &uf);
    // The tidy-up of a confirmation: with one state whose total (of this side) is
    // above zero the others' amounts become empty; with several states the header forgets the state;
    // with `limparVazias` rows without any amount are deleted. One transaction; the
    // snapshot then starts from here.
    void finalizar(bool umaUF, const QString &uf, bool limparVazias);
    // Puts back every row's eight amounts and state and the header's state choice as
    // they were at `carregar()`. One transaction.
    void desfazer();

private:
    struct Cabecalho {
        bool existe = false;
        QString ufUnica;
        QString estadoTransmissao;
    };
    Cabecalho lerCabecalho() const;
    void lerLinhas();
    void gravarCabecalhoUF(const QString &uf);

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    LadoReceitaDespesa m_lado;
    QList<LinhaReceitaUF> m_linhas;
    QString m_ufUnica;
    QList<LinhaReceitaUF> m_desfazerLinhas;
    Cabecalho m_desfazerCabecalho;
};

} // namespace kelpa
