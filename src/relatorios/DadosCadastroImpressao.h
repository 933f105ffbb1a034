#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa::relatorios {

struct TelefoneImpresso {
    QString ddi;
    QString ddd;
    QString numero;
    QString ramal;
};

struct EnderecoImpresso {
    QString logradouro;
    QString numero;
    QString complemento;
    QString bairro;
    QString cep;
    QString municipio;
    QString uf;
};

// Quadro 1 as it stood on a date: the operator's registration row in force then
// (person 0 in CADASTRO) with its own details, phones and fax of that same period,
// and the names of its codes.
struct CadastroEmVigor {
    QDate periodo; // null: no registration on or before the date
    QString nome;
    QString cnpj;
    QString nomeFantasia;
    QString natureza;      // DE_NATZ_JURD
    QString sociedade;     // DE_SOCI
    QString modalidade;    // NM_MODL
    QString segmentacao;   // NM_SUBM
    QString codModalidade; // CD_MODL
    QString codSubmodalidade;
    std::optional<int> regiao; // CD_REG_ATUACAO
    EnderecoImpresso matriz;
    EnderecoImpresso correspondencia;
    QString email;
    QList<TelefoneImpresso> telefones;
    std::optional<TelefoneImpresso> fax;
};

struct MunicipioAtuacao {
    QString uf;
    QString nomeUf;
    QString municipio;
};

// Reads what the printed Quadro 1 and its region of operation show. Reads only.
class DadosCadastroImpressao
{
public:
    static CadastroEmVigor ler(const QSqlDatabase &db, const QString &operadora, const QDate &data);
    // The municipalities of operation of one registration period, by state and then
    // by name as people sort them (accents do not send a name to the end).
    static QList<MunicipioAtuacao> municipiosAtuacao(const QSqlDatabase &db, const QString &operadora,
                                                     const QDate &periodo);
};

} // namespace kelpa::relatorios
