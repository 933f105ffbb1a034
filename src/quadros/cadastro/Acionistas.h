#pragma once

#include "ParticipacoesPeriodo.h"
#include "PeriodosQuadroCadastro.h"

#include <QStringList>
#include <optional>

namespace kelpa {

// The header of a period of Quadro 5.
struct CabecalhoAcionistas {
    std::optional<qint64> total; // QT_TOTL_ACAO_OPER; nullopt while never given
    bool pulverizado = false;    // LG_PULV "T": no holder has 5% or more
    QString estadoTransmissao;
};

// Quadro 5, the operator's shareholders or quotaholders by period: the total number
// of shares, whether the capital is wholly spread out, and the holders with their
// shares. Each holder is saved on its own; the header when the quadro is confirmed.
class Acionistas
{
public:
    Acionistas(const QSqlDatabase &db, QString codOper);

    // The shareholdings refer to the periods of the same object.
    Acionistas(const Acionistas &) = delete;
    Acionistas &operator=(const Acionistas &) = delete;

    PeriodosQuadroCadastro &periodos() { return m_periodos; }
    ParticipacoesPeriodo &participacoes() { return m_participacoes; }
    static TabelasPeriodo tabelas();

    // Cooperatives are never asked whether their capital is spread out.
    static bool PerguntaPulverizado(const QString &modalidade);

    CabecalhoAcionistas Cabecalho(const QDate &periodo) const;
    // Writes the total and the spread answer in one transaction; a header already
    // transmitted is marked changed.
    void GravaCabecalho(const QDate &periodo, const CabecalhoAcionistas &cabecalho);

    // How the holders' sum compares with the total.
    enum class Conferencia { Igual, Menor, Maior };
    static Conferencia ConfereTotal(qint64 total, qint64 soma);
    static QString MensagemMaior();
    static QString MensagemMenor();
    // The holder dialog's message for one holder above the total.
    static QString MensagemQuantidadeMaior();

private:
    QSqlDatabase m_db;
    QString m_codOper;
    PeriodosQuadroCadastro m_periodos;
    ParticipacoesPeriodo m_participacoes;
};

} // namespace kelpa
