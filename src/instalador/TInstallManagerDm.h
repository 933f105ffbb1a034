#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace kelpa {

class ConexaoBanco;
class AlteracaoEsquema;
struct RestricaoTabela;

// The database side of an update installation. It changes the user's database in
// place and takes from the new version's empty database (which the package brings
// and the manager copies beside it) the fixed tables, the descriptions of the keys
// and the version stamp. Errors are thrown as ErroBanco, except by UpdateDatabase,
// which answers false and keeps the reason in MsgErroUpdate.
class TInstallManagerDm
{
public:
    TInstallManagerDm(QString baseUsuario, QString baseNova);
    ~TInstallManagerDm();

    // The chart-of-accounts version the update brings (1 January 2007).
    void setDataPlano(const QDate &data) { m_dataPlano = data; }
    QDate dataPlano() const { return m_dataPlano; }

    void OpenUserDatabase();
    // True when the 2007 accounting data of the user's database was entered under a
    // chart of accounts older than the one this version brings.
    bool NeedsDataCleanup();
    // Deletes every operator's 2007 data, all or nothing.
    void DeleteData2007();
    void UpdateSchema();
    bool UpdateDatabase();
    void RebuildConsts();
    void CloseDatabases();

    // "VersaoKelpa - DtVersaoKelpa" of the user's database (the date as dd/mm/yyyy).
    QString VersaoBaseUsuario();
    QString MsgErroUpdate() const { return m_msgErroUpdate; }

    static QString mensagemDominios();

private:
    QSqlDatabase usuario();
    QSqlDatabase nova();
    QString lerVersao();
    // `versao`: the user's database's version text, read once per update.
    void adicionaRestricao(AlteracaoEsquema &alteracao, const RestricaoTabela &restricao, const QString &versao);
    void registraRestricao(const QString &nome);
    bool restricaoRegistrada(const QString &nome);
    void adicionaDominiosSeguradoras();
    void mesclaTabelasFixas();

    QString m_baseUsuario;
    QString m_baseNova;
    QDate m_dataPlano{2007, 1, 1};
    std::unique_ptr<ConexaoBanco> m_usuario;
    std::unique_ptr<ConexaoBanco> m_nova;
    QString m_primeiroCodigo;
    QString m_msgErroUpdate;
};

} // namespace kelpa
