#include "CadastroOperadoras.h"

#include "Utilitarios.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa {

CadastroOperadoras::CadastroOperadoras(const QSqlDatabase &db)
    : m_db(db)
{
}

QList<CadastroOperadoras::ItemLista> CadastroOperadoras::listaOperadoras() const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_OPER, CD_OPER || ' - ' || COALESCE(NM_PSOA, '') AS DADOS FROM PESSOAS "
                                    "WHERE ID_PSOA = 0 AND TP_PSOA = 'J' ORDER BY NM_PSOA"));
    q.executar();
    QList<ItemLista> itens;
    while (q.proxima())
        itens.append({q.texto(QStringLiteral("CD_OPER")), q.texto(QStringLiteral("DADOS"))});
    return itens;
}

QList<CadastroOperadoras::OperadoraOficial> CadastroOperadoras::listaOficialNaoCadastradas(Ordem ordem) const
{
    const QString coluna = ordem == Ordem::Cnpj ? QStringLiteral("CD_CPF_CNPJ")
                           : ordem == Ordem::Nome ? QStringLiteral("NM_PSOA")
                                                  : QStringLiteral("CD_OPER");
    Consulta q(m_db, QStringLiteral("SELECT CD_OPER, NM_PSOA, CD_CPF_CNPJ, DT_INIC_VIGN, NM_FANT FROM LISTAOPERADORAS "
                                    "WHERE CD_OPER NOT IN (SELECT CD_OPER FROM OPERADORAS WHERE CD_OPER IS NOT NULL) "
                                    "ORDER BY %1, CD_OPER").arg(coluna));
    q.executar();
    QList<OperadoraOficial> lista;
    while (q.proxima())
        lista.append({q.texto(QStringLiteral("CD_OPER")), q.texto(QStringLiteral("NM_PSOA")), q.texto(QStringLiteral("CD_CPF_CNPJ")),
                      q.data(QStringLiteral("DT_INIC_VIGN")), q.texto(QStringLiteral("NM_FANT"))});
    return lista;
}

std::optional<CadastroOperadoras::OperadoraOficial> CadastroOperadoras::oficial(const QString &codigo) const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_OPER, NM_PSOA, CD_CPF_CNPJ, DT_INIC_VIGN, NM_FANT FROM LISTAOPERADORAS WHERE CD_OPER = :CDOPER"));
    q.bind(QStringLiteral(":CDOPER"), codigo);
    if (!q.primeira())
        return std::nullopt;
    return OperadoraOficial{q.texto(QStringLiteral("CD_OPER")), q.texto(QStringLiteral("NM_PSOA")), q.texto(QStringLiteral("CD_CPF_CNPJ")),
                            q.data(QStringLiteral("DT_INIC_VIGN")), q.texto(QStringLiteral("NM_FANT"))};
}

bool CadastroOperadoras::registrada(const QString &codigo) const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_OPER FROM OPERADORAS WHERE CD_OPER = :Cd_Operadora"));
    q.bind(QStringLiteral(":Cd_Operadora"), codigo);
    return q.primeira();
}

QDate CadastroOperadoras::dataInicial(const QDate &inicioOficial, bool operadoraDePlanos)
{
    const QDate piso = operadoraDePlanos ? QDate(2001, 1, 1) : QDate(2007, 1, 1);
    return !inicioOficial.isValid() || inicioOficial < piso ? piso : inicioOficial;
}

void CadastroOperadoras::garantirDadosPessoa(const OperadoraOficial &operadora, const QDate &data)
{
    Consulta existe(m_db, QStringLiteral("SELECT 1 FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 "
                                         "AND TP_PSOA = 'J' AND DT_INIC_VIGN = :DTVIGN"));
    existe.bind(QStringLiteral(":CDOPER"), operadora.codigo).bind(QStringLiteral(":DTVIGN"), data);
    if (existe.primeira())
        return;
    Consulta(m_db, QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, ID_PSOA, TP_PSOA, DT_INIC_VIGN, NM_PSOA, CD_CPF_CNPJ, LG_ALTR_TRAM) "
                                  "VALUES (:CDOPER, 0, 'J', :DTVIGN, :NMPSOA, :CDCNPJ, 'N')"))
        .bind(QStringLiteral(":CDOPER"), operadora.codigo)
        .bind(QStringLiteral(":DTVIGN"), data)
        .bind(QStringLiteral(":NMPSOA"), operadora.nome)
        .bind(QStringLiteral(":CDCNPJ"), operadora.cnpj)
        .executar();
}

CadastroOperadoras::ResultadoRegistro CadastroOperadoras::registrar(const QString &codigoEscolhido, const QString &confirmacao)
{
    if (codigoEscolhido.isEmpty())
        return ResultadoRegistro::SemCodigo;
    if (confirmacao != codigoEscolhido)
        return ResultadoRegistro::ConfirmacaoInvalida;
    if (registrada(codigoEscolhido))
        return ResultadoRegistro::JaCadastrada;
    const auto operadora = oficial(codigoEscolhido);
    if (!operadora)
        return ResultadoRegistro::SemCodigo;

    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES (:cdoper)"))
        .bind(QStringLiteral(":cdoper"), operadora->codigo)
        .executar();
    Consulta(m_db, QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, NM_PSOA, CD_CPF_CNPJ, LG_ALTR_TRAM, LG_ESTRANGEIRO) "
                                  "VALUES (:cdoper, 0, 'J', :nmpsoa, :cdcnpj, 'N', 'F')"))
        .bind(QStringLiteral(":cdoper"), operadora->codigo)
        .bind(QStringLiteral(":nmpsoa"), operadora->nome)
        .bind(QStringLiteral(":cdcnpj"), operadora->cnpj)
        .executar();
    // The floor depends on the operator being registered, not on the one currently open.
    garantirDadosPessoa(*operadora, dataInicial(operadora->inicio, EhOperadoraDePlanos(operadora->codigo)));
    transacao.confirmar();
    return ResultadoRegistro::Registrada;
}

QString CadastroOperadoras::mensagem(ResultadoRegistro resultado)
{
    switch (resultado) {
    case ResultadoRegistro::Registrada: return {};
    case ResultadoRegistro::SemCodigo: return QStringLiteral("Entre com o código da operadora!");
    case ResultadoRegistro::ConfirmacaoInvalida: return QStringLiteral("Confirmação da operadora inválida!");
    case ResultadoRegistro::JaCadastrada: return QStringLiteral("ATENÇÃO!!! Código da Operadora JÁ CADASTRADO...");
    }
    return {};
}

QDate CadastroOperadoras::selecionar(const QString &codigo)
{
    const auto operadora = oficial(codigo);
    if (!operadora)
        return {};
    const QDate data = operadora->inicio.isValid() && operadora->inicio >= QDate(2001, 1, 1) ? operadora->inicio : QDate(2001, 1, 1);
    Transacao transacao(m_db);
    garantirDadosPessoa(*operadora, data);
    transacao.confirmar();
    return data;
}

} // namespace kelpa
