#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// What the program needs to know about the operator's registration before it opens
// a quadro or lets the data be sent.
class ServicosOperadora
{
public:
    ServicosOperadora(const QSqlDatabase &db, QString codOper);

    // Modality and submodality of the newest registration period (empty when none).
    QString ModalidadeOperadora() const;
    QString SubmodalidadeOperadora() const;

    // Quadro 1 is complete: the newest registration period has every address field
    // of the operator's own row filled. Also returns the newest details period.
    bool CadastroCompleto(QDate *dtUltimoCadastro = nullptr) const;
    bool QuadroAcionistasDisponivel() const;
    bool AutogestaoPatrocinada() const;
    bool DispensadaPlanoContas() const;
    // The chart-of-accounts check blocks validation and sending.
    bool BloqueiaPorPlanoContas() const;
    // The operator's values use a chart of accounts newer than `referencia` although its
    // registration and values started on or before it.
    static bool PlanoContas2007Invalido(const QSqlDatabase &db, const QString &codOper, const QDate &referencia);

    // Sending is open while every finding of kinds 1 and 2 belongs to a period
    // before the first quarter of 2005.
    bool TransmissaoPermitida() const;

    static QString MensagemDispensa(const QString &modalidade);
    static QString MensagemNaoUtiliza(const QString &modalidade);

private:
    QString registroMaisRecente(const QString &coluna) const;

    QSqlDatabase m_db;
    QString m_codOper;
};

} // namespace kelpa
