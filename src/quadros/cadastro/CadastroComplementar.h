#pragma once

#include "CadastroPessoas.h"
#include "Municipios.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelpa {

struct EnderecoCadastro {
    QString logradouro;
    QString numero;
    QString complemento;
    QString bairro;
    QString cep;
    int idMunc = 0; // 0: none chosen
    QString nomeMunicipio;
    QString uf;
};

// One period of Quadro 1: the operator's classification (CADASTRO) and its own
// details (person 0 in DADOSPESSOAS and TELEFONESPESSOAS).
struct PeriodoCadastro {
    QDate periodo;
    bool existe = false; // the period has the operator's details row

    QString natureza;      // CD_NATZ_JURD
    QString modalidade;    // CD_MODL
    QString sociedade;     // CD_SOCI
    QString submodalidade; // CD_SUBM
    QString emailResponsavel;
    QString comercializaSede;
    QString descricaoNatureza; // shown only
    QString nomeModalidade;    // shown only

    QString tipo;
    QString documento;
    QString nome;
    QString nomeFantasia;
    QString email;
    std::optional<int> regiao; // CD_REG_ATUACAO; empty until a region is chosen
    EnderecoCadastro matriz;
    EnderecoCadastro correspondencia;

    bool faxExterior = false;
    QString faxCodigo;
    QString faxNumero;
    QList<Telefone> telefones; // kept through the phone dialog, shown here

    // The municipalities of operation, when the region dialog changed them.
    std::optional<QList<Municipio>> municipiosAtuacao;
};

// Quadro 1, the operator's registration, versioned by period. Its first period also
// opens the operator's other quadros and its first quarter.
class CadastroComplementar
{
public:
    CadastroComplementar(const QSqlDatabase &db, QString codOper);

    // The periods, newest first; the first one is set up when there is none.
    QList<QDate> Periodos();
    // Sets up the operator: the first registration period and the first rows of the
    // other quadros and of the first quarter, in one transaction. Returns its date.
    QDate CriaPrimeiroPeriodo();
    // Plan operators start at their official date, not before 2001; insurers in 2007.
    static QDate DataPrimeiroPeriodo(const QDate &dataLista, bool operadoraDePlanos);

    // Loads a period. A period before 2003 has no region: a stored one is set to 0.
    PeriodoCadastro Carrega(const QDate &periodo);
    // The segmentations allowed for a modality and kind of company, by name (code, name).
    QList<QPair<QString, QString>> Submodalidades(const QString &modalidade, const QString &sociedade) const;

    bool operadoraDePlanos() const;
    static bool Patrocinada(const QString &modalidade, const QString &submodalidade);
    // The region is chosen only for periods from 2005 on of plan operators that are
    // not sponsored self-management.
    static bool RegiaoHabilitada(const QDate &periodo, const QString &modalidade, const QString &submodalidade,
                                 bool operadoraDePlanos);

    // The items the filling-error notice lists.
    static QStringList ItensFaltantes(const PeriodoCadastro &dados, bool regiaoHabilitada);
    enum class Campo { Nenhum, CepMatriz, CepCorrespondencia, Email };
    struct ErroValor {
        Campo campo = Campo::Nenhum;
        QString mensagem;
    };
    // The last wrong value in the order of the fields.
    static std::optional<ErroValor> ErroValores(const PeriodoCadastro &dados);

    // Saves the period (classification, details, fax, municipalities of operation) in
    // one transaction.
    void Grava(const PeriodoCadastro &dados);

    // A new empty period with the newest period's classification; false when the date
    // already is a period.
    bool IncluiPeriodo(const QDate &data);
    // A new period with a copy of the operator's own previous period (details, phones,
    // classification, and from 2005 on the municipalities of operation). False when the
    // date already is a period.
    bool CopiaPeriodo(const QDate &data, const QString &submodalidadeNaTela);
    // Deletes the period's registration, details, phones and municipalities of operation.
    void ExcluiPeriodo(const QDate &data);

private:
    struct OperadoraLista {
        bool existe = false;
        QDate inicio;
        QString nome;
        QString documento;
        QString fantasia;
        QString natureza;
        QString modalidade;
    };
    OperadoraLista operadoraLista() const;
    bool existePeriodo(const QDate &data) const;
    QString sociedadeDaNatureza(const QString &natureza) const;
    // (submodality, kind of company) for a modality from 2005 on.
    QPair<QString, QString> classificacaoModalidade(const QString &modalidade, const QString &sociedade,
                                                    const QString &preferida) const;
    void alinhaPessoaOperadora(const OperadoraLista &lista);
    void garanteDadosPessoaInicial(const QDate &data);

    QSqlDatabase m_db;
    QString m_codOper;
};

} // namespace kelpa
