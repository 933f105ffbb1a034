#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

// What the general information of a quarter holds: the beneficiaries (quarters
// before 2005) or the employees (from 2005), and the comment.
struct DadosGerenciais {
    std::optional<qint64> beneficiarios; // VL_TOTL_BENE
    std::optional<qint64> funcionarios;  // QT_FUNC
    QString comentario;                  // TX_SUGESTAO as the user sees it ("N" shows empty)

    bool operator==(const DadosGerenciais &) const = default;
};

// "Informações Gerais": the management figures and the free comment that go with a
// quarter's submission (DADOSGERENCIAIS). The comment is never stored empty: an empty
// or blank one is kept as "N".
class InformacoesGerais
{
public:
    static const QString Titulo; // "Informações Gerais"
    static constexpr qint64 MaximoFuncionarios = 9999999;
    // Quarters before 2005 report the beneficiaries; later ones the employees.
    static bool comBeneficiarios(const QDate &trimestre) { return trimestre < QDate(2005, 1, 1); }

    InformacoesGerais(QSqlDatabase db, QString codOper, QDate trimestre);

    // Reads the quarter's row; a quarter without one gets it (flag "N"). Throws
    // ErroBanco when the database refuses.
    void carregar();
    const DadosGerenciais &dados() const { return m_gravados; }
    QString estadoTransmissao() const { return m_estado; }

    // Writes what the user left in the fields, in one transaction, when it differs from
    // what is stored. The flag follows the transmission rule, except that a row left
    // with no comment and no employees goes back to "N". False when nothing changed.
    bool gravar(const DadosGerenciais &dados);

private:
    bool ler();
    void garantirLinha();

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    DadosGerenciais m_gravados;
    QString m_estado;
};

} // namespace kelpa
