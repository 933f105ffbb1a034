#pragma once

#include "EstadoTrabalho.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace kelpa {

class ConexaoBanco;

// The operator's own person row (person 0), as the header shows it.
struct IdentidadeOperadora {
    QString codigo;
    QString nome;
    QString cnpj;
    bool encontrada() const { return !codigo.isEmpty(); }
};

// The program's one connection to the database and the small operations every
// window shares. Lives for the whole run; reopened only when the user points the
// program at another database directory.
class DtConexao
{
public:
    explicit DtConexao(EstadoTrabalho &estado);
    ~DtConexao();

    // Opens DiretorioBase + "Kelpa.db" (closing any open connection first), refreshes
    // the configured operator's name and CNPJ from the official list, fills the
    // working state, brings an older database up to date and reads its version.
    // Throws ErroBanco when the database cannot be opened.
    IdentidadeOperadora Conecta();
    void desconectar();
    bool conectado() const { return m_conexao != nullptr; }
    QSqlDatabase db() const;
    QString arquivoBanco() const;

    // The operator's own person row; not found when the code has no person 0.
    IdentidadeOperadora lerOperadora(const QString &codigo) const;
    // Takes name and CNPJ from LISTAOPERADORAS into the operator's own rows (person 0
    // of PESSOAS and DADOSPESSOAS). Writes nothing when the list has no row for the
    // operator, when the operator has no person 0, or when nothing differs. True when it wrote.
    bool atualizarIdentidade(const QString &codigo);

    void LeVersaoBase();
    // Next number of `coluna` in `tabela` for the current operator and period: 1 for an empty period.
    int ProximoSequencial(const QString &coluna, const QString &tabela) const;
    // True when `tabela` has no row of the current operator for this person, in any period.
    bool PessoaSemVinculo(const QString &tabela, int idPessoa) const;
    // Newest quarter held in QUADRORECEITASDESPESASUF (any operator); null when none.
    QDate UltimaDataReceitas() const;
    bool PlanoContas2007Invalido(const QString &codigoOperadora, const QDate &referencia) const;

    EstadoTrabalho &estado() { return m_estado; }

private:
    EstadoTrabalho &m_estado;
    std::unique_ptr<ConexaoBanco> m_conexao;
};

} // namespace kelpa
