#include "DtConexao.h"

#include "ServicosOperadora.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "esquema/AtualizacaoBase.h"
#include "plataforma/CaminhosPrograma.h"

#include <QRegularExpression>
#include <QtDebug>

namespace kelpa {

namespace {
// Table and column names are program constants, never user input; refuse anything
// that is not a plain identifier before it reaches the SQL text.
QString identificador(const QString &nome)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!re.match(nome).hasMatch())
        throw ErroBanco(QStringLiteral("Nome inválido: %1").arg(nome));
    return nome;
}
} // namespace

DtConexao::DtConexao(EstadoTrabalho &estado)
    : m_estado(estado)
{
}

DtConexao::~DtConexao() = default;

QSqlDatabase DtConexao::db() const
{
    if (!m_conexao)
        throw ErroBanco(QStringLiteral("A base de dados não está aberta."));
    return m_conexao->db();
}

QString DtConexao::arquivoBanco() const
{
    return m_conexao ? m_conexao->arquivo() : QString();
}

void DtConexao::desconectar()
{
    m_conexao.reset();
}

IdentidadeOperadora DtConexao::Conecta()
{
    desconectar();
    const QString arquivo = CaminhosPrograma::localizar(m_estado.diretorioBase(), CaminhosPrograma::nomeBanco());
    m_conexao = ConexaoBanco::abrir(arquivo);

    const QString operadora = m_estado.configuracao().operadora();
    try {
        atualizarIdentidade(operadora);
    } catch (const ErroBanco &e) {
        // The refresh is a courtesy: a failure leaves the stored rows as they were.
        qWarning() << "Identidade da operadora não atualizada:" << e.textoCompleto();
    }
    const IdentidadeOperadora identidade = lerOperadora(operadora);
    m_estado.setCodOper(identidade.codigo);
    m_estado.setNomeOperadora(identidade.nome);

    const AtualizacaoBase::Resultado atualizacao = AtualizacaoBase::executar(db());
    m_estado.setBaseAtualizada(atualizacao.baseAtualizada);
    LeVersaoBase();
    return identidade;
}

IdentidadeOperadora DtConexao::lerOperadora(const QString &codigo) const
{
    IdentidadeOperadora identidade;
    if (codigo.isEmpty())
        return identidade;
    Consulta q(db(), QStringLiteral("SELECT CD_OPER, NM_PSOA, CD_CPF_CNPJ FROM PESSOAS "
                                    "WHERE ID_PSOA = 0 AND TP_PSOA = 'J' AND CD_OPER = :OPERADORA"));
    q.bind(QStringLiteral(":OPERADORA"), codigo);
    if (q.primeira()) {
        identidade.codigo = q.texto(QStringLiteral("CD_OPER"));
        identidade.nome = q.texto(QStringLiteral("NM_PSOA"));
        identidade.cnpj = q.texto(QStringLiteral("CD_CPF_CNPJ"));
    }
    return identidade;
}

bool DtConexao::atualizarIdentidade(const QString &codigo)
{
    if (codigo.isEmpty())
        return false;
    Consulta lista(db(), QStringLiteral("SELECT NM_PSOA, CD_CPF_CNPJ FROM LISTAOPERADORAS WHERE CD_OPER = :CDOPER"));
    lista.bind(QStringLiteral(":CDOPER"), codigo);
    if (!lista.primeira())
        return false;
    const QString nome = lista.texto(QStringLiteral("NM_PSOA"));
    const QString cnpj = lista.texto(QStringLiteral("CD_CPF_CNPJ"));

    const IdentidadeOperadora atual = lerOperadora(codigo);
    if (!atual.encontrada() || (atual.nome == nome && atual.cnpj == cnpj))
        return false;

    Transacao transacao(db());
    for (const QString &tabela : {QStringLiteral("PESSOAS"), QStringLiteral("DADOSPESSOAS")}) {
        Consulta atualiza(db(), QStringLiteral("UPDATE %1 SET NM_PSOA = :NOME, CD_CPF_CNPJ = :CNPJ "
                                               "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0")
                                    .arg(tabela));
        atualiza.bind(QStringLiteral(":NOME"), nome)
            .bind(QStringLiteral(":CNPJ"), cnpj)
            .bind(QStringLiteral(":CDOPER"), codigo)
            .executar();
    }
    transacao.confirmar();
    return true;
}

void DtConexao::LeVersaoBase()
{
    Consulta q(db(), QStringLiteral("SELECT VersaoKelpa, DtVersaoKelpa FROM CONSTS"));
    VersaoKelpa versao;
    if (q.primeira()) {
        versao.Versao = q.texto(QStringLiteral("VersaoKelpa"));
        versao.DataVersao = q.data(QStringLiteral("DtVersaoKelpa"));
    }
    m_estado.setVersaoBase(versao);
}

int DtConexao::ProximoSequencial(const QString &coluna, const QString &tabela) const
{
    const QString c = identificador(coluna);
    Consulta q(db(), QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 AS PROXIMO FROM %2 "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN")
                         .arg(c, identificador(tabela)));
    q.bind(QStringLiteral(":CDOPER"), m_estado.codOper()).bind(QStringLiteral(":DTVIGN"), m_estado.dtVigencia());
    return q.primeira() ? static_cast<int>(q.inteiro(QStringLiteral("PROXIMO"))) : 1;
}

bool DtConexao::PessoaSemVinculo(const QString &tabela, int idPessoa) const
{
    Consulta q(db(), QStringLiteral("SELECT CD_OPER FROM %1 WHERE CD_OPER = :CD_OPER AND ID_PSOA = :ID_PSOA LIMIT 1")
                         .arg(identificador(tabela)));
    q.bind(QStringLiteral(":CD_OPER"), m_estado.codOper()).bind(QStringLiteral(":ID_PSOA"), idPessoa);
    return !q.primeira();
}

QDate DtConexao::UltimaDataReceitas() const
{
    Consulta q(db(), QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS MaxDateVngc FROM QUADRORECEITASDESPESASUF"));
    return q.primeira() ? q.data(QStringLiteral("MaxDateVngc")) : QDate();
}

bool DtConexao::PlanoContas2007Invalido(const QString &codigoOperadora, const QDate &referencia) const
{
    return ServicosOperadora::PlanoContas2007Invalido(db(), codigoOperadora, referencia);
}

} // namespace kelpa
