#include "Representante.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

namespace {
const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QString kPessoa = QStringLiteral(":IDPSOA");
} // namespace

Representante::Representante(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_periodos(db, m_codOper, tabelas())
{
}

TabelasPeriodo Representante::tabelas()
{
    return {QStringLiteral("DIRETORRELACOES"), {QStringLiteral("CD_OPER_DIRE"), QStringLiteral("ID_PSOA")}, {}, {}};
}

QString Representante::AvisoAlteracao()
{
    return QStringLiteral("A alteração do representante implica no envio à QOR de documento oficial assinado por dirigentes da "
                          "operadora legalmente constituído, formalizando a  indicação do representante junto à QOR.");
}

LinhaRepresentante Representante::Carrega(const QDate &periodo) const
{
    LinhaRepresentante l;
    Consulta q(m_db, QStringLiteral("SELECT ID_PSOA, LG_ALTR_TRAM FROM DIRETORRELACOES WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                    "ORDER BY CASE WHEN ID_PSOA IS NULL THEN 1 ELSE 0 END"));
    q.bind(kOper, m_codOper).bind(kData, periodo);
    if (!q.primeira())
        return l;
    l.existe = true;
    l.idPsoa = q.nulo(QStringLiteral("ID_PSOA")) ? 0 : static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA")));
    l.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM")).trimmed();
    return l;
}

std::optional<PessoaRepresentante> Representante::Pessoa(int idPsoa) const
{
    if (idPsoa <= 0)
        return std::nullopt;
    Consulta administrador(m_db, QStringLiteral("SELECT 1 FROM ADMINISTRADORES WHERE CD_OPER = :CDOPER AND ID_PSOA = :IDPSOA"));
    administrador.bind(kOper, m_codOper).bind(kPessoa, idPsoa);
    if (!administrador.primeira())
        return std::nullopt;
    CadastroPessoas pessoas(m_db, m_codOper);
    std::optional<DadosPessoa> dados = pessoas.Carrega(idPsoa);
    if (!dados || !dados->fisica())
        return std::nullopt;
    PessoaRepresentante p{*dados, pessoas.Telefones(idPsoa, dados->dataDados)};
    return p;
}

bool Representante::HaAdministradoresAtivos() const
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM PESSOAS P "
                                    "WHERE P.CD_OPER = :CDOPER AND P.ID_PSOA <> 0 AND P.TP_PSOA = 'F' "
                                    "AND EXISTS (SELECT 1 FROM DADOSPESSOAS D WHERE D.CD_OPER = P.CD_OPER AND D.ID_PSOA = P.ID_PSOA "
                                    "            AND COALESCE(D.LG_INAT, '') <> 'T') "
                                    "AND EXISTS (SELECT 1 FROM ADMINISTRADORES A WHERE A.CD_OPER = P.CD_OPER AND A.ID_PSOA = P.ID_PSOA)"));
    q.bind(kOper, m_codOper);
    return q.primeira();
}

void Representante::Grava(const QDate &periodo, int idPsoa)
{
    Transacao transacao(m_db);
    const LinhaRepresentante gravada = Carrega(periodo);
    const QVariant pessoa = idPsoa > 0 ? QVariant(idPsoa) : QVariant(QMetaType(QMetaType::Int));
    const QVariant diretor = idPsoa > 0 ? QVariant(m_codOper) : QVariant(QMetaType(QMetaType::QString));
    if (!gravada.existe) {
        Consulta(m_db, QStringLiteral("INSERT INTO DIRETORRELACOES (CD_OPER, DT_INIC_VIGN, CD_OPER_DIRE, ID_PSOA, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, :DIRETOR, :IDPSOA, 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .bind(QStringLiteral(":DIRETOR"), diretor)
            .bind(kPessoa, pessoa)
            .executar();
    } else {
        // A period has one representative: every row of it names the same person.
        Consulta(m_db, QStringLiteral("UPDATE DIRETORRELACOES SET CD_OPER_DIRE = :DIRETOR, ID_PSOA = :IDPSOA, LG_ALTR_TRAM = :ESTADO "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
            .bind(QStringLiteral(":DIRETOR"), diretor)
            .bind(kPessoa, pessoa)
            .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(gravada.estadoTransmissao))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .executar();
    }
    transacao.confirmar();
}

} // namespace kelpa
