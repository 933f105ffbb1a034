#include "CadastroComplementar.h"

#include "RegiaoAtuacao.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "quadros/base/Periodos.h"

#include <algorithm>

namespace kelpa {

namespace {

const QString kOper = QStringLiteral(":CDOPER");
const QString kData = QStringLiteral(":DTVIGN");
const QDate k2005(2005, 1, 1);

QVariant textoOuNulo(const QString &texto)
{
    const QString t = texto.trimmed();
    return t.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(t);
}

QVariant municipioOuNulo(int id)
{
    return id > 0 ? QVariant(id) : QVariant(QMetaType(QMetaType::Int));
}

bool vazio(const QString &texto)
{
    return texto.trimmed().isEmpty();
}

struct Classificacao {
    bool existe = false;
    QString natureza;
    QString modalidade;
    QString sociedade;
    QString submodalidade;
    QString emailResponsavel;
};

Classificacao lerClassificacao(const QSqlDatabase &db, const QString &codOper, const QDate &data)
{
    // No date: the newest period's.
    Consulta q(db, data.isValid()
                       ? QStringLiteral("SELECT CD_NATZ_JURD, CD_MODL, CD_SOCI, CD_SUBM, DE_MAIL_RPSV_CRGA FROM CADASTRO "
                                        "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN = :DTVIGN")
                       : QStringLiteral("SELECT CD_NATZ_JURD, CD_MODL, CD_SOCI, CD_SUBM, DE_MAIL_RPSV_CRGA FROM CADASTRO "
                                        "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 ORDER BY DT_INIC_VIGN DESC LIMIT 1"));
    q.bind(kOper, codOper);
    if (data.isValid())
        q.bind(kData, data);
    Classificacao c;
    if (q.primeira()) {
        c.existe = true;
        c.natureza = q.texto(QStringLiteral("CD_NATZ_JURD"));
        c.modalidade = q.texto(QStringLiteral("CD_MODL"));
        c.sociedade = q.texto(QStringLiteral("CD_SOCI"));
        c.submodalidade = q.texto(QStringLiteral("CD_SUBM"));
        c.emailResponsavel = q.texto(QStringLiteral("DE_MAIL_RPSV_CRGA"));
    }
    return c;
}

void insereCadastro(const QSqlDatabase &db, const QString &codOper, const QDate &data, const Classificacao &c)
{
    Consulta(db, QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL, CD_SUBM, CD_SOCI, CD_NATZ_JURD, "
                                "DE_MAIL_RPSV_CRGA, LG_ALTR_TRAM, LG_COMERCIALIZACAO_SEDE) "
                                "VALUES (:CDOPER, :DTVIGN, 0, :CDMODL, :CDSUBM, :CDSOCI, :CDNATZ, :EMAIL, 'N', 'F')"))
        .bind(kOper, codOper)
        .bind(kData, data)
        .bind(QStringLiteral(":CDMODL"), textoOuNulo(c.modalidade))
        .bind(QStringLiteral(":CDSUBM"), textoOuNulo(c.submodalidade))
        .bind(QStringLiteral(":CDSOCI"), textoOuNulo(c.sociedade))
        .bind(QStringLiteral(":CDNATZ"), textoOuNulo(c.natureza))
        .bind(QStringLiteral(":EMAIL"), textoOuNulo(c.emailResponsavel))
        .executar();
}

} // namespace

CadastroComplementar::CadastroComplementar(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
{
}

bool CadastroComplementar::operadoraDePlanos() const
{
    return EhOperadoraDePlanos(m_codOper);
}

CadastroComplementar::OperadoraLista CadastroComplementar::operadoraLista() const
{
    Consulta q(m_db, QStringLiteral("SELECT DT_INIC_VIGN, NM_PSOA, CD_CPF_CNPJ, NM_FANT, CD_NATZ_JURD, CD_MODL FROM LISTAOPERADORAS "
                                    "WHERE CD_OPER = :CDOPER ORDER BY DT_INIC_VIGN LIMIT 1"));
    q.bind(kOper, m_codOper);
    OperadoraLista l;
    if (q.primeira()) {
        l.existe = true;
        l.inicio = q.data(QStringLiteral("DT_INIC_VIGN"));
        l.nome = q.texto(QStringLiteral("NM_PSOA"));
        l.documento = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
        l.fantasia = q.texto(QStringLiteral("NM_FANT"));
        l.natureza = q.texto(QStringLiteral("CD_NATZ_JURD"));
        l.modalidade = q.texto(QStringLiteral("CD_MODL"));
    }
    return l;
}

bool CadastroComplementar::existePeriodo(const QDate &data) const
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM CADASTRO WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN = :DTVIGN "
                                    "UNION SELECT 1 FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(kOper, m_codOper).bind(kData, data);
    return q.primeira();
}

QString CadastroComplementar::sociedadeDaNatureza(const QString &natureza) const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_SOCI FROM TP_NATUREZAJURIDICA WHERE CD_NATZ_JURD = :CDNATZ"));
    q.bind(QStringLiteral(":CDNATZ"), natureza);
    return q.primeira() ? q.texto(QStringLiteral("CD_SOCI")) : QString();
}

QList<QPair<QString, QString>> CadastroComplementar::Submodalidades(const QString &modalidade, const QString &sociedade) const
{
    Consulta q(m_db, QStringLiteral("SELECT DISTINCT M.CD_SUBM, S.NM_SUBM FROM TP_MODALIDADESUBMODALIDADE M "
                                    "JOIN TP_SUBMODALIDADE S ON S.CD_SUBM = M.CD_SUBM "
                                    "WHERE M.CD_MODL = :CDMODL AND M.CD_SOCI = :CDSOCI"));
    q.bind(QStringLiteral(":CDMODL"), modalidade).bind(QStringLiteral(":CDSOCI"), sociedade);
    q.executar();
    QList<QPair<QString, QString>> lista;
    while (q.proxima())
        lista << qMakePair(q.texto(QStringLiteral("CD_SUBM")), q.texto(QStringLiteral("NM_SUBM")));
    std::sort(lista.begin(), lista.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    return lista;
}

QPair<QString, QString> CadastroComplementar::classificacaoModalidade(const QString &modalidade, const QString &sociedade,
                                                                      const QString &preferida) const
{
    const auto permitidas = Submodalidades(modalidade, sociedade);
    if (!permitidas.isEmpty()) {
        for (const auto &s : permitidas)
            if (s.first == preferida)
                return {s.first, sociedade};
        return {permitidas.first().first, sociedade};
    }
    // The kind of company has no segmentation in this modality: the modality's first.
    Consulta q(m_db, QStringLiteral("SELECT M.CD_SUBM, M.CD_SOCI FROM TP_MODALIDADESUBMODALIDADE M "
                                    "JOIN TP_SUBMODALIDADE S ON S.CD_SUBM = M.CD_SUBM "
                                    "WHERE M.CD_MODL = :CDMODL ORDER BY S.NM_SUBM, M.CD_SOCI LIMIT 1"));
    q.bind(QStringLiteral(":CDMODL"), modalidade);
    if (q.primeira())
        return {q.texto(QStringLiteral("CD_SUBM")), q.texto(QStringLiteral("CD_SOCI"))};
    return {QString(), sociedade};
}

QDate CadastroComplementar::DataPrimeiroPeriodo(const QDate &dataLista, bool operadoraDePlanos)
{
    if (!operadoraDePlanos)
        return QDate(2007, 1, 1);
    const QDate piso(2001, 1, 1);
    return dataLista.isValid() && dataLista > piso ? dataLista : piso;
}

void CadastroComplementar::garanteDadosPessoaInicial(const QDate &data)
{
    Consulta existe(m_db, QStringLiteral("SELECT 1 FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN = :DTVIGN"));
    existe.bind(kOper, m_codOper).bind(kData, data);
    if (existe.primeira())
        return;
    Consulta(m_db, QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, NM_PSOA, CD_CPF_CNPJ, LG_ALTR_TRAM) "
                                  "SELECT CD_OPER, :DTVIGN, 0, COALESCE(TP_PSOA, 'J'), NM_PSOA, CD_CPF_CNPJ, 'N' FROM PESSOAS "
                                  "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 LIMIT 1"))
        .bind(kOper, m_codOper)
        .bind(kData, data)
        .executar();
}

QList<QDate> CadastroComplementar::Periodos()
{
    auto lista = [this] {
        Consulta q(m_db, QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM CADASTRO WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 "
                                        "ORDER BY DT_INIC_VIGN DESC"));
        q.bind(kOper, m_codOper);
        q.executar();
        QList<QDate> datas;
        while (q.proxima())
            datas << q.data(QStringLiteral("DT_INIC_VIGN"));
        return datas;
    };
    QList<QDate> datas = lista();
    if (datas.isEmpty()) {
        CriaPrimeiroPeriodo();
        datas = lista();
    }
    return datas;
}

QDate CadastroComplementar::CriaPrimeiroPeriodo()
{
    const OperadoraLista lista = operadoraLista();
    const QDate data = DataPrimeiroPeriodo(lista.inicio, operadoraDePlanos());

    Transacao transacao(m_db);
    Classificacao c;
    c.natureza = lista.natureza;
    c.modalidade = lista.modalidade;
    c.sociedade = sociedadeDaNatureza(lista.natureza);
    const auto submodalidades = Submodalidades(c.modalidade, c.sociedade);
    if (!submodalidades.isEmpty())
        c.submodalidade = submodalidades.first().first;
    insereCadastro(m_db, m_codOper, data, c);
    garanteDadosPessoaInicial(data);

    // The operator's other registration quadros start on the same date.
    for (const QString &tabela : {QStringLiteral("DADOSBASICOS"), QStringLiteral("QUADROADMINISTRADORES"), QStringLiteral("DIRETORRELACOES"),
                                  QStringLiteral("QUADROPARTICIPACOES"), QStringLiteral("QUADROPARTICIPADAS"),
                                  QStringLiteral("QUADRODEPENDENCIAS")}) {
        // Table names are program constants.
        Consulta existe(m_db, QStringLiteral("SELECT 1 FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN").arg(tabela));
        existe.bind(kOper, m_codOper).bind(kData, data);
        if (existe.primeira())
            continue;
        Consulta(m_db, QStringLiteral("INSERT INTO %1 (CD_OPER, DT_INIC_VIGN, LG_ALTR_TRAM) VALUES (:CDOPER, :DTVIGN, 'N')").arg(tabela))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .executar();
    }
    if (!kelpa::Periodos::IncluiTrimestre(m_db, m_codOper, kelpa::Periodos::InicioDoTrimestre(data)))
        throw ErroBanco(QStringLiteral("Não foi possível criar o primeiro trimestre da operadora."));
    transacao.confirmar();
    return data;
}

PeriodoCadastro CadastroComplementar::Carrega(const QDate &periodo)
{
    PeriodoCadastro d;
    d.periodo = periodo;
    const Classificacao c = lerClassificacao(m_db, m_codOper, periodo);
    d.natureza = c.natureza;
    d.modalidade = c.modalidade;
    d.sociedade = c.sociedade;
    d.submodalidade = c.submodalidade;
    d.emailResponsavel = c.emailResponsavel;
    {
        Consulta q(m_db, QStringLiteral("SELECT LG_COMERCIALIZACAO_SEDE, "
                                        "  (SELECT DE_NATZ_JURD FROM TP_NATUREZAJURIDICA N WHERE N.CD_NATZ_JURD = C.CD_NATZ_JURD) AS DE_NATZ_JURD, "
                                        "  (SELECT NM_MODL FROM TP_MODALIDADE M WHERE M.CD_MODL = C.CD_MODL) AS NM_MODL "
                                        "FROM CADASTRO C WHERE C.CD_OPER = :CDOPER AND C.ID_PSOA = 0 AND C.DT_INIC_VIGN = :DTVIGN"));
        q.bind(kOper, m_codOper).bind(kData, periodo);
        if (q.primeira()) {
            d.comercializaSede = q.texto(QStringLiteral("LG_COMERCIALIZACAO_SEDE"));
            d.descricaoNatureza = q.texto(QStringLiteral("DE_NATZ_JURD"));
            d.nomeModalidade = q.texto(QStringLiteral("NM_MODL"));
        }
    }
    {
        Consulta q(m_db, QStringLiteral(
                             "SELECT D.TP_PSOA, D.CD_CPF_CNPJ, D.NM_PSOA, D.NM_FANT, D.DE_ENDR, D.NR_ENDERECO, D.DE_COMPLEMENTO_ENDR, "
                             "       D.NM_BAIR, D.CD_CEP, D.ID_MUNC, D.DE_MAIL, D.CD_REG_ATUACAO, D.DE_ENDR_CORRESP, D.NR_ENDR_CORRESP, "
                             "       D.DE_COMPL_CORRESP, D.NM_BAIR_CORRESP, D.CD_CEP_CORRESP, D.ID_MUNC_CORRESP, "
                             "       M1.NM_MUNC AS NM_MUNC, M1.CD_UF AS CD_UF, M2.NM_MUNC AS NM_MUNC_C, M2.CD_UF AS CD_UF_C "
                             "FROM DADOSPESSOAS D "
                             "LEFT JOIN TB_MUNICIPIOS M1 ON M1.ID_MUNC = D.ID_MUNC "
                             "LEFT JOIN TB_MUNICIPIOS M2 ON M2.ID_MUNC = D.ID_MUNC_CORRESP "
                             "WHERE D.CD_OPER = :CDOPER AND D.DT_INIC_VIGN = :DTVIGN AND D.ID_PSOA = 0 LIMIT 1"));
        q.bind(kOper, m_codOper).bind(kData, periodo);
        if (q.primeira()) {
            d.existe = true;
            d.tipo = q.texto(QStringLiteral("TP_PSOA"));
            d.documento = q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed();
            d.nome = q.texto(QStringLiteral("NM_PSOA"));
            d.nomeFantasia = q.texto(QStringLiteral("NM_FANT"));
            d.email = q.texto(QStringLiteral("DE_MAIL"));
            if (!q.nulo(QStringLiteral("CD_REG_ATUACAO")) && !q.texto(QStringLiteral("CD_REG_ATUACAO")).trimmed().isEmpty())
                d.regiao = static_cast<int>(q.inteiro(QStringLiteral("CD_REG_ATUACAO")));
            d.matriz.logradouro = q.texto(QStringLiteral("DE_ENDR"));
            d.matriz.numero = q.texto(QStringLiteral("NR_ENDERECO"));
            d.matriz.complemento = q.texto(QStringLiteral("DE_COMPLEMENTO_ENDR"));
            d.matriz.bairro = q.texto(QStringLiteral("NM_BAIR"));
            d.matriz.cep = q.texto(QStringLiteral("CD_CEP")).trimmed();
            d.matriz.idMunc = q.nulo(QStringLiteral("ID_MUNC")) ? 0 : static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC")));
            d.matriz.nomeMunicipio = q.texto(QStringLiteral("NM_MUNC"));
            d.matriz.uf = q.texto(QStringLiteral("CD_UF"));
            d.correspondencia.logradouro = q.texto(QStringLiteral("DE_ENDR_CORRESP"));
            d.correspondencia.numero = q.texto(QStringLiteral("NR_ENDR_CORRESP"));
            d.correspondencia.complemento = q.texto(QStringLiteral("DE_COMPL_CORRESP"));
            d.correspondencia.bairro = q.texto(QStringLiteral("NM_BAIR_CORRESP"));
            d.correspondencia.cep = q.texto(QStringLiteral("CD_CEP_CORRESP")).trimmed();
            d.correspondencia.idMunc =
                q.nulo(QStringLiteral("ID_MUNC_CORRESP")) ? 0 : static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC_CORRESP")));
            d.correspondencia.nomeMunicipio = q.texto(QStringLiteral("NM_MUNC_C"));
            d.correspondencia.uf = q.texto(QStringLiteral("CD_UF_C"));
        }
    }
    const CadastroPessoas pessoas(m_db, m_codOper);
    d.telefones = pessoas.Telefones(0, periodo);
    if (const auto fax = pessoas.Fax(0, periodo)) {
        d.faxExterior = fax->exterior();
        d.faxCodigo = fax->codigo();
        d.faxNumero = fax->numero;
    }

    // The regions exist from 2003 on: an older period never keeps one.
    if (d.existe && periodo < QDate(2003, 1, 1) && d.regiao != 0) {
        Transacao transacao(m_db);
        Consulta(m_db, QStringLiteral("UPDATE DADOSPESSOAS SET CD_REG_ATUACAO = 0 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"))
            .bind(kOper, m_codOper)
            .bind(kData, periodo)
            .executar();
        transacao.confirmar();
        d.regiao = 0;
    }
    return d;
}

bool CadastroComplementar::Patrocinada(const QString &modalidade, const QString &submodalidade)
{
    return modalidade == QLatin1String("AUTOG") && submodalidade != QLatin1String("NPATR");
}

bool CadastroComplementar::RegiaoHabilitada(const QDate &periodo, const QString &modalidade, const QString &submodalidade,
                                            bool operadoraDePlanos)
{
    return operadoraDePlanos && periodo >= k2005 && !Patrocinada(modalidade, submodalidade);
}

QStringList CadastroComplementar::ItensFaltantes(const PeriodoCadastro &d, bool regiaoHabilitada)
{
    QStringList itens;
    const QString matriz = QStringLiteral(">> Endereço da Matriz, ");
    const QString correspondencia = QStringLiteral(">> Endereço Correspondência, ");
    auto endereco = [&itens](const QString &prefixo, const EnderecoCadastro &e) {
        if (vazio(e.logradouro))
            itens << prefixo + QStringLiteral("Logradouro");
        if (vazio(e.numero))
            itens << prefixo + QStringLiteral("Nº");
        if (vazio(e.bairro))
            itens << prefixo + QStringLiteral("Bairro");
        if (vazio(e.cep))
            itens << prefixo + QStringLiteral("CEP");
        if (e.idMunc <= 0)
            itens << prefixo + QStringLiteral("Município");
    };
    endereco(matriz, d.matriz);
    if (d.telefones.isEmpty())
        itens << QStringLiteral(">> Telefone(s)");
    if (vazio(d.email))
        itens << QStringLiteral(">> E-mail da Operadora");
    endereco(correspondencia, d.correspondencia);
    if (vazio(d.submodalidade))
        itens << QStringLiteral(">> Segmentação");
    if (regiaoHabilitada && !d.regiao && d.periodo >= k2005)
        itens << QStringLiteral(">> Região de Atuação");
    return itens;
}

std::optional<CadastroComplementar::ErroValor> CadastroComplementar::ErroValores(const PeriodoCadastro &d)
{
    std::optional<ErroValor> erro;
    if (!CadastroPessoas::CepValido(d.matriz.cep))
        erro = ErroValor{Campo::CepMatriz, QStringLiteral("Informe o CEP do Endereço da Matriz com 8 dígitos.")};
    else if (!CadastroPessoas::CepValido(d.correspondencia.cep))
        erro = ErroValor{Campo::CepCorrespondencia, QStringLiteral("Informe o CEP do Endereço para Correspondência com 8 dígitos.")};
    if (!CadastroPessoas::EmailValido(d.email.trimmed()))
        erro = ErroValor{Campo::Email, QStringLiteral("E-mail inválido.")};
    return erro;
}

void CadastroComplementar::Grava(const PeriodoCadastro &d)
{
    Transacao transacao(m_db);
    const Classificacao gravada = lerClassificacao(m_db, m_codOper, d.periodo);
    Classificacao c;
    c.natureza = d.natureza;
    c.modalidade = d.modalidade;
    c.sociedade = d.sociedade;
    c.submodalidade = d.submodalidade;
    c.emailResponsavel = d.emailResponsavel;
    // A change of registration data is told by a new period, not by the transmission state.
    if (!gravada.existe) {
        insereCadastro(m_db, m_codOper, d.periodo, c);
    } else {
        Consulta(m_db, QStringLiteral("UPDATE CADASTRO SET CD_NATZ_JURD = :CDNATZ, CD_MODL = :CDMODL, CD_SOCI = :CDSOCI, "
                                      "CD_SUBM = :CDSUBM, DE_MAIL_RPSV_CRGA = :EMAIL "
                                      "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN = :DTVIGN"))
            .bind(QStringLiteral(":CDNATZ"), textoOuNulo(c.natureza))
            .bind(QStringLiteral(":CDMODL"), textoOuNulo(c.modalidade))
            .bind(QStringLiteral(":CDSOCI"), textoOuNulo(c.sociedade))
            .bind(QStringLiteral(":CDSUBM"), textoOuNulo(c.submodalidade))
            .bind(QStringLiteral(":EMAIL"), textoOuNulo(c.emailResponsavel))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .executar();
    }

    garanteDadosPessoaInicial(d.periodo);
    // Where no region is asked, 0 stands for "none", so that the quadro can be complete.
    std::optional<int> regiao = d.regiao;
    if (!regiao && !RegiaoHabilitada(d.periodo, d.modalidade, d.submodalidade, operadoraDePlanos()))
        regiao = 0;
    Consulta(m_db, QStringLiteral(
                       "UPDATE DADOSPESSOAS SET NM_FANT = :NMFANT, DE_ENDR = :DEENDR, NR_ENDERECO = :NRENDR, "
                       "DE_COMPLEMENTO_ENDR = :COMPL, NM_BAIR = :NMBAIR, CD_CEP = :CDCEP, ID_MUNC = :IDMUNC, DE_MAIL = :DEMAIL, "
                       "CD_REG_ATUACAO = :REGIAO, DE_ENDR_CORRESP = :DEENDRC, NR_ENDR_CORRESP = :NRENDRC, "
                       "DE_COMPL_CORRESP = :COMPLC, NM_BAIR_CORRESP = :NMBAIRC, CD_CEP_CORRESP = :CDCEPC, "
                       "ID_MUNC_CORRESP = :IDMUNCC "
                       "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"))
        .bind(QStringLiteral(":NMFANT"), textoOuNulo(d.nomeFantasia))
        .bind(QStringLiteral(":DEENDR"), textoOuNulo(d.matriz.logradouro))
        .bind(QStringLiteral(":NRENDR"), textoOuNulo(d.matriz.numero))
        .bind(QStringLiteral(":COMPL"), textoOuNulo(d.matriz.complemento))
        .bind(QStringLiteral(":NMBAIR"), textoOuNulo(d.matriz.bairro))
        .bind(QStringLiteral(":CDCEP"), textoOuNulo(d.matriz.cep))
        .bind(QStringLiteral(":IDMUNC"), municipioOuNulo(d.matriz.idMunc))
        .bind(QStringLiteral(":DEMAIL"), textoOuNulo(d.email))
        .bind(QStringLiteral(":REGIAO"), regiao ? QVariant(*regiao) : QVariant(QMetaType(QMetaType::Int)))
        .bind(QStringLiteral(":DEENDRC"), textoOuNulo(d.correspondencia.logradouro))
        .bind(QStringLiteral(":NRENDRC"), textoOuNulo(d.correspondencia.numero))
        .bind(QStringLiteral(":COMPLC"), textoOuNulo(d.correspondencia.complemento))
        .bind(QStringLiteral(":NMBAIRC"), textoOuNulo(d.correspondencia.bairro))
        .bind(QStringLiteral(":CDCEPC"), textoOuNulo(d.correspondencia.cep))
        .bind(QStringLiteral(":IDMUNCC"), municipioOuNulo(d.correspondencia.idMunc))
        .bind(kOper, m_codOper)
        .bind(kData, d.periodo)
        .executar();

    // The fax: a cleared fax is removed rather than left behind unseen.
    const CadastroPessoas pessoas(m_db, m_codOper);
    const bool temFax = pessoas.Fax(0, d.periodo).has_value();
    const bool faxVazio = vazio(d.faxCodigo) && vazio(d.faxNumero);
    const QVariant ddi = textoOuNulo(d.faxExterior ? d.faxCodigo : QString());
    const QVariant ddd = textoOuNulo(d.faxExterior ? QString() : d.faxCodigo);
    if (faxVazio && temFax) {
        Consulta(m_db, QStringLiteral("DELETE FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0 "
                                      "AND NR_SEQL_TELF = 0"))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .executar();
    } else if (!faxVazio && temFax) {
        Consulta(m_db, QStringLiteral("UPDATE TELEFONESPESSOAS SET TP_TELF = 'F', CD_DDI = :DDI, CD_DDD = :DDD, NR_TELF = :NRTELF "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0 AND NR_SEQL_TELF = 0"))
            .bind(QStringLiteral(":DDI"), ddi)
            .bind(QStringLiteral(":DDD"), ddd)
            .bind(QStringLiteral(":NRTELF"), textoOuNulo(d.faxNumero))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .executar();
    } else if (!faxVazio) {
        Consulta(m_db, QStringLiteral("INSERT INTO TELEFONESPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, NR_SEQL_TELF, TP_TELF, CD_DDI, CD_DDD, "
                                      "NR_TELF, LG_ALTR_TRAM) VALUES (:CDOPER, :DTVIGN, 0, 0, 'F', :DDI, :DDD, :NRTELF, 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, d.periodo)
            .bind(QStringLiteral(":DDI"), ddi)
            .bind(QStringLiteral(":DDD"), ddd)
            .bind(QStringLiteral(":NRTELF"), textoOuNulo(d.faxNumero))
            .executar();
    }

    if (d.municipiosAtuacao)
        RegiaoAtuacao::Grava(m_db, m_codOper, d.periodo, *d.municipiosAtuacao);
    transacao.confirmar();
}

void CadastroComplementar::alinhaPessoaOperadora(const OperadoraLista &lista)
{
    Consulta(m_db, QStringLiteral("UPDATE PESSOAS SET CD_CPF_CNPJ = :DOCUMENTO, NM_PSOA = :NOME, LG_ALTR_TRAM = 'A' "
                                  "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 "
                                  "AND (COALESCE(CD_CPF_CNPJ, '') <> :DOCUMENTO OR COALESCE(NM_PSOA, '') <> :NOME)"))
        .bind(QStringLiteral(":DOCUMENTO"), lista.documento)
        .bind(QStringLiteral(":NOME"), lista.nome)
        .bind(kOper, m_codOper)
        .executar();
}

bool CadastroComplementar::IncluiPeriodo(const QDate &data)
{
    if (!data.isValid() || existePeriodo(data))
        return false;
    const Classificacao recente = lerClassificacao(m_db, m_codOper, {});
    const OperadoraLista lista = operadoraLista();
    const bool daLista = data >= k2005 && lista.existe;

    Transacao transacao(m_db);
    if (daLista)
        alinhaPessoaOperadora(lista);
    Consulta(m_db, QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, NM_PSOA, CD_CPF_CNPJ, NM_FANT, LG_ALTR_TRAM) "
                                  "SELECT CD_OPER, :DTVIGN, 0, COALESCE(TP_PSOA, 'J'), COALESCE(:NOME, NM_PSOA), "
                                  "       COALESCE(:DOCUMENTO, CD_CPF_CNPJ), :FANTASIA, 'N' "
                                  "FROM PESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 LIMIT 1"))
        .bind(kData, data)
        .bind(QStringLiteral(":NOME"), daLista ? textoOuNulo(lista.nome) : QVariant(QMetaType(QMetaType::QString)))
        .bind(QStringLiteral(":DOCUMENTO"), daLista ? textoOuNulo(lista.documento) : QVariant(QMetaType(QMetaType::QString)))
        .bind(QStringLiteral(":FANTASIA"), daLista ? textoOuNulo(lista.fantasia) : QVariant(QMetaType(QMetaType::QString)))
        .bind(kOper, m_codOper)
        .executar();
    garanteDadosPessoaInicial(data);

    Classificacao c = recente;
    c.emailResponsavel.clear();
    if (daLista) {
        c.modalidade = lista.modalidade;
        c.natureza = lista.natureza;
        const auto [submodalidade, sociedade] = classificacaoModalidade(c.modalidade, recente.sociedade, QString());
        c.submodalidade = submodalidade;
        c.sociedade = sociedade;
    }
    insereCadastro(m_db, m_codOper, data, c);
    transacao.confirmar();
    return true;
}

bool CadastroComplementar::CopiaPeriodo(const QDate &data, const QString &submodalidadeNaTela)
{
    if (!data.isValid() || existePeriodo(data))
        return false;
    // The operator's own previous period, never another person's details date.
    QDate origem;
    {
        Consulta q(m_db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS ANTERIOR FROM DADOSPESSOAS "
                                        "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0 AND DT_INIC_VIGN < :DTVIGN"));
        q.bind(kOper, m_codOper).bind(kData, data);
        origem = q.primeira() ? q.data(QStringLiteral("ANTERIOR")) : QDate();
    }
    if (!origem.isValid())
        return IncluiPeriodo(data);

    const OperadoraLista lista = operadoraLista();
    const bool daLista = data >= k2005 && lista.existe;
    const QVariant nulo(QMetaType(QMetaType::QString));

    Transacao transacao(m_db);
    if (daLista)
        alinhaPessoaOperadora(lista);
    Consulta(m_db, QStringLiteral(
                       "INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, NM_FANT, DE_ENDR, "
                       "  NR_ENDERECO, DE_COMPLEMENTO_ENDR, NM_BAIR, CD_CEP, ID_MUNC, DE_MAIL, CD_REG_ATUACAO, DE_ENDR_CORRESP, "
                       "  NR_ENDR_CORRESP, DE_COMPL_CORRESP, NM_BAIR_CORRESP, CD_CEP_CORRESP, ID_MUNC_CORRESP, LG_INAT, NM_MAE, "
                       "  DT_NASCIMENTO, LG_ALTR_TRAM) "
                       "SELECT CD_OPER, :NOVA, ID_PSOA, TP_PSOA, COALESCE(:DOCUMENTO, CD_CPF_CNPJ), COALESCE(:NOME, NM_PSOA), "
                       "  COALESCE(:FANTASIA, NM_FANT), DE_ENDR, NR_ENDERECO, DE_COMPLEMENTO_ENDR, NM_BAIR, CD_CEP, ID_MUNC, DE_MAIL, "
                       "  CD_REG_ATUACAO, DE_ENDR_CORRESP, NR_ENDR_CORRESP, DE_COMPL_CORRESP, NM_BAIR_CORRESP, CD_CEP_CORRESP, "
                       "  ID_MUNC_CORRESP, LG_INAT, NM_MAE, DT_NASCIMENTO, 'N' "
                       "FROM DADOSPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"))
        .bind(QStringLiteral(":NOVA"), data)
        .bind(QStringLiteral(":DOCUMENTO"), daLista ? textoOuNulo(lista.documento) : nulo)
        .bind(QStringLiteral(":NOME"), daLista ? textoOuNulo(lista.nome) : nulo)
        .bind(QStringLiteral(":FANTASIA"), daLista ? textoOuNulo(lista.fantasia) : nulo)
        .bind(kOper, m_codOper)
        .bind(kData, origem)
        .executar();

    const Classificacao anterior = lerClassificacao(m_db, m_codOper, origem);
    Classificacao c = anterior;
    if (!anterior.existe) {
        c.natureza = lista.natureza;
        c.modalidade = lista.modalidade;
        c.sociedade = sociedadeDaNatureza(lista.natureza);
    }
    if (daLista) {
        c.modalidade = lista.modalidade;
        c.natureza = lista.natureza;
        const auto [submodalidade, sociedade] = classificacaoModalidade(c.modalidade, c.sociedade, submodalidadeNaTela);
        c.submodalidade = submodalidade;
        c.sociedade = sociedade;
    }
    insereCadastro(m_db, m_codOper, data, c);

    Consulta(m_db, QStringLiteral("INSERT INTO TELEFONESPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, NR_SEQL_TELF, TP_TELF, CD_DDI, CD_DDD, "
                                  "  NR_TELF, NR_RAML, LG_ALTR_TRAM) "
                                  "SELECT CD_OPER, :NOVA, ID_PSOA, NR_SEQL_TELF, TP_TELF, CD_DDI, CD_DDD, NR_TELF, NR_RAML, 'N' "
                                  "FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"))
        .bind(QStringLiteral(":NOVA"), data)
        .bind(kOper, m_codOper)
        .bind(kData, origem)
        .executar();
    if (data.year() > 2004)
        Consulta(m_db, QStringLiteral("INSERT INTO RL_MUNICIPIO_ATUACAO_OPERADORA (CD_OPER, DT_INIC_VIGN, ID_PSOA, ID_MUNC, LG_ALTR_TRAM) "
                                      "SELECT CD_OPER, :NOVA, ID_PSOA, ID_MUNC, 'N' FROM RL_MUNICIPIO_ATUACAO_OPERADORA "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0"))
            .bind(QStringLiteral(":NOVA"), data)
            .bind(kOper, m_codOper)
            .bind(kData, origem)
            .executar();
    transacao.confirmar();
    return true;
}

void CadastroComplementar::ExcluiPeriodo(const QDate &data)
{
    Transacao transacao(m_db);
    for (const QString &tabela : {QStringLiteral("TELEFONESPESSOAS"), QStringLiteral("DADOSPESSOAS"), QStringLiteral("CADASTRO"),
                                  QStringLiteral("RL_MUNICIPIO_ATUACAO_OPERADORA")}) {
        // Table names are program constants.
        Consulta(m_db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = 0").arg(tabela))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .executar();
    }
    transacao.confirmar();
}

} // namespace kelpa
