#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

// The operators kept on this installation: registering one from the regulator's
// official list, and making one the current operator.
class CadastroOperadoras
{
public:
    struct ItemLista {
        QString codigo;
        QString texto; // "code - name", as the pick list shows it
    };
    struct OperadoraOficial {
        QString codigo;
        QString nome;
        QString cnpj;
        QDate inicio;
        QString fantasia;
    };
    enum class Ordem { Codigo, Cnpj, Nome };
    enum class ResultadoRegistro { Registrada, SemCodigo, ConfirmacaoInvalida, JaCadastrada };

    explicit CadastroOperadoras(const QSqlDatabase &db);

    // Operators with their own person row, ordered by name.
    QList<ItemLista> listaOperadoras() const;
    // Official operators not yet registered here.
    QList<OperadoraOficial> listaOficialNaoCadastradas(Ordem ordem = Ordem::Codigo) const;
    std::optional<OperadoraOficial> oficial(const QString &codigo) const;
    bool registrada(const QString &codigo) const;

    // Registers the chosen official operator (OPERADORAS, its own person row and its
    // first details period) in one transaction. The confirmation must repeat the code.
    // Throws ErroBanco when the database refuses; then nothing was written.
    ResultadoRegistro registrar(const QString &codigoEscolhido, const QString &confirmacao);
    static QString mensagem(ResultadoRegistro resultado);

    // Makes `codigo` the operator worked on: makes sure its own details row exists at
    // its start date and returns that date (the period the program starts on).
    QDate selecionar(const QString &codigo);

    // The first details period of a newly registered operator: its official start,
    // but not before 2001 for plan operators and not before 2007 for insurers.
    static QDate dataInicial(const QDate &inicioOficial, bool operadoraDePlanos);

private:
    void garantirDadosPessoa(const OperadoraOficial &operadora, const QDate &data);

    QSqlDatabase m_db;
};

} // namespace kelpa
