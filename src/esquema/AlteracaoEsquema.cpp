#include "AlteracaoEsquema.h"

#include "app/banco/ErroBanco.h"

#include <QRegularExpression>

namespace kelpa {

QString AlteracaoEsquema::mensagemTipoDesconhecido()
{
    return QStringLiteral("Caro desenvolvedor, defina o parâmetro do tipo do campo a ser criado como "
                          "TEXTO, REAL, INTEIRO ou DATA.");
}

bool AlteracaoEsquema::AdicionaColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho)
{
    if (ColunaExiste(coluna, tabela))
        return false;
    CriaColuna(coluna, tabela, tipo, tamanho);
    return true;
}

bool AlteracaoEsquema::ConverteParaFloat(const QString &coluna, const QString &tabela)
{
    if (ColunaEhFloat(coluna, tabela))
        return false;
    AlteraParaFloat(coluna, tabela);
    return true;
}

bool AlteracaoEsquema::GaranteTabela(const QString &tabela, const QList<DefinicaoColuna> &colunas)
{
    if (!TabelaExiste(tabela)) {
        CriaTabela(tabela, colunas);
        return true;
    }
    for (const DefinicaoColuna &c : colunas)
        AdicionaColuna(c.nome, tabela, c.tipo, c.tamanho);
    return false;
}

QString AlteracaoEsquema::JuntaLista(const QStringList &nomes)
{
    if (nomes.isEmpty())
        throw ErroBanco(QStringLiteral("A lista de colunas da restrição está vazia."));
    return nomes.join(QStringLiteral(", "));
}

QString AlteracaoEsquema::identificador(const QString &nome)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!re.match(nome).hasMatch())
        throw ErroBanco(QStringLiteral("Nome inválido: %1").arg(nome));
    return nome;
}

} // namespace kelpa
