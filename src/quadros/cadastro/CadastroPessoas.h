#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelpa {

// One phone (TP_TELF "T", numbered from 1) or the fax (TP_TELF "F", number 0) of a person.
struct Telefone {
    int sequencia = 0;
    QString tipo = QStringLiteral("T");
    QString ddi;
    QString ddd;
    QString numero;
    QString ramal;
    QString estadoTransmissao;

    // A phone abroad keeps its country code instead of an area code.
    bool exterior() const { return !ddi.trimmed().isEmpty(); }
    QString codigo() const { return exterior() ? ddi : ddd; }
    // "(11 )" or "(351+)", as the phone lists show the code.
    QString textoArea() const;
};

// A person as the person dialog edits it.
struct DadosPessoa {
    int idPsoa = 0;
    QString tipo = QStringLiteral("F"); // "F" natural, "J" legal
    QString nome;
    QString documento; // digits only; empty for a foreigner
    bool estrangeiro = false;
    bool inativa = false;
    QString segundoNome; // mother's name (natural) or trade name (legal)
    QDate nascimento;
    QString logradouro;
    QString numero;
    QString complemento;
    QString bairro;
    int idMunc = 0; // 0: none chosen
    QString nomeMunicipio;
    QString uf;
    QString cep;
    QString email;
    // Fax: written only when the person has one or a number is given.
    bool faxExterior = false;
    QString faxCodigo;
    QString faxNumero;

    QDate dataDados; // the date of the person's details row, under which phones are kept
    QString estadoPessoa;
    QString estadoDados;

    bool fisica() const { return tipo == QLatin1String("F"); }
};

// A row of the person pick list.
struct ItemPessoa {
    int idPsoa = 0;
    QString nome;
    QString documento;
    QString tipo;
};

// The operator's person register: every person a registration quadro names is kept
// here once and referred to by its number. Person 0 is the operator itself.
class CadastroPessoas
{
public:
    enum class FiltroTipo { Fisicas = 0, Juridicas = 1, Ambas = 9 };
    enum class Coluna { Nome, Documento };
    enum class SituacaoDocumento { Valido, Invalido, Duplicado };

    CadastroPessoas(const QSqlDatabase &db, QString codOper);

    // The next free person number: the operator's highest plus 1.
    int ProximaPessoa() const;
    // The date of a new person's details: the operator's official start, not before 2001.
    QDate DataInicial() const;

    // Records a new, still empty person of type "F" or "J" and returns its number.
    int CriaPessoa(const QString &tipo);
    // A new person and its data in one transaction; returns its number.
    int Inclui(DadosPessoa dados);
    // Removes a person created by mistake: its phones, details and person row.
    void ExcluiPessoaNova(int idPsoa);

    std::optional<DadosPessoa> Carrega(int idPsoa) const;
    // Saves the person, all its details rows and its fax in one transaction.
    void Grava(const DadosPessoa &dados);
    std::optional<ItemPessoa> Pessoa(int idPsoa) const;

    SituacaoDocumento ConfereDocumento(const QString &documento, const QString &tipo, int idPsoa) const;
    static QString MensagemDocumento(SituacaoDocumento situacao, const QString &tipo);

    // Active persons other than the operator, as the pick list shows them.
    QList<ItemPessoa> Lista(FiltroTipo filtro, bool apenasAdministradores, Coluna coluna, bool decrescente) const;
    // The first of those persons, by name, whose name begins with `prefixo` (case and
    // accents ignored); nullopt when none does or the prefix is blank.
    std::optional<ItemPessoa> PrimeiraPorNome(const QString &prefixo, FiltroTipo filtro) const;

    QList<Telefone> Telefones(int idPsoa, const QDate &data) const;
    std::optional<Telefone> Fax(int idPsoa, const QDate &data) const;
    std::optional<Telefone> TelefonePorSequencia(int idPsoa, const QDate &data, int sequencia) const;
    // Inserts (`telefone.sequencia` 0 or less: the next number from 1) or updates a
    // phone; returns its number.
    int GravaTelefone(int idPsoa, const QDate &data, Telefone telefone);
    void ExcluiTelefone(int idPsoa, const QDate &data, int sequencia);

    // The person dialog's checks, outside any window.
    static QStringList ItensFaltantes(const DadosPessoa &dados);
    enum class Campo { Nenhum, Nascimento, Cep, Email };
    struct ErroValor {
        Campo campo = Campo::Nenhum;
        QString mensagem;
    };
    // When several values are wrong, the last one (in the order of the fields) is reported.
    static std::optional<ErroValor> ErroValores(const DadosPessoa &dados, bool nascimentoVisivel, bool enderecoVisivel,
                                                int anoAtual);
    static bool EmailValido(const QString &email);
    static bool CepValido(const QString &cep);

private:
    void gravaFax(const DadosPessoa &dados);

    QSqlDatabase m_db;
    QString m_codOper;
};

} // namespace kelpa
