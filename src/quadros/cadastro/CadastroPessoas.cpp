#include "CadastroPessoas.h"

#include "Municipios.h"

#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <algorithm>

namespace kelpa {

namespace {

const QString kOper = QStringLiteral(":CDOPER");
const QString kPessoa = QStringLiteral(":IDPSOA");
const QString kData = QStringLiteral(":DTVIGN");

QVariant textoOuNulo(const QString &texto)
{
    return texto.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(texto);
}

Telefone lerTelefone(const Consulta &q)
{
    Telefone t;
    t.sequencia = static_cast<int>(q.inteiro(QStringLiteral("NR_SEQL_TELF")));
    t.tipo = q.texto(QStringLiteral("TP_TELF"));
    t.ddi = q.texto(QStringLiteral("CD_DDI")).trimmed();
    t.ddd = q.texto(QStringLiteral("CD_DDD")).trimmed();
    t.numero = q.texto(QStringLiteral("NR_TELF")).trimmed();
    t.ramal = q.texto(QStringLiteral("NR_RAML")).trimmed();
    t.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
    return t;
}

const QString kColunasTelefone = QStringLiteral("NR_SEQL_TELF, TP_TELF, CD_DDI, CD_DDD, NR_TELF, NR_RAML, LG_ALTR_TRAM");

} // namespace

QString Telefone::textoArea() const
{
    if (exterior())
        return QStringLiteral("(%1+)").arg(ddi.trimmed());
    return QStringLiteral("(%1 )").arg(ddd.trimmed());
}

CadastroPessoas::CadastroPessoas(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
{
}

int CadastroPessoas::ProximaPessoa() const
{
    Consulta q(m_db, QStringLiteral("SELECT COALESCE(MAX(ID_PSOA), 0) + 1 FROM PESSOAS WHERE CD_OPER = :CDOPER"));
    q.bind(kOper, m_codOper);
    return q.primeira() ? q.valor(0).toInt() : 1;
}

QDate CadastroPessoas::DataInicial() const
{
    Consulta q(m_db, QStringLiteral("SELECT MIN(DT_INIC_VIGN) AS INICIO FROM LISTAOPERADORAS WHERE CD_OPER = :CDOPER"));
    q.bind(kOper, m_codOper);
    const QDate inicio = q.primeira() ? q.data(QStringLiteral("INICIO")) : QDate();
    const QDate piso(2001, 1, 1);
    return inicio.isValid() && inicio > piso ? inicio : piso;
}

int CadastroPessoas::CriaPessoa(const QString &tipo)
{
    if (tipo != QLatin1String("F") && tipo != QLatin1String("J"))
        throw ErroBanco(QStringLiteral("Tipo de pessoa inválido: %1").arg(tipo));
    Transacao transacao(m_db);
    const int id = ProximaPessoa();
    Consulta(m_db, QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, LG_ALTR_TRAM) VALUES (:CDOPER, :IDPSOA, :TPPSOA, 'N')"))
        .bind(kOper, m_codOper)
        .bind(kPessoa, id)
        .bind(QStringLiteral(":TPPSOA"), tipo)
        .executar();
    Consulta(m_db, QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, LG_ALTR_TRAM) "
                                  "VALUES (:CDOPER, :DTVIGN, :IDPSOA, :TPPSOA, 'N')"))
        .bind(kOper, m_codOper)
        .bind(kData, DataInicial())
        .bind(kPessoa, id)
        .bind(QStringLiteral(":TPPSOA"), tipo)
        .executar();
    transacao.confirmar();
    return id;
}

int CadastroPessoas::Inclui(DadosPessoa dados)
{
    Transacao transacao(m_db);
    dados.idPsoa = CriaPessoa(dados.tipo);
    const auto criada = Carrega(dados.idPsoa);
    dados.dataDados = criada->dataDados;
    dados.estadoPessoa = criada->estadoPessoa;
    dados.estadoDados = criada->estadoDados;
    Grava(dados);
    transacao.confirmar();
    return dados.idPsoa;
}

void CadastroPessoas::ExcluiPessoaNova(int idPsoa)
{
    if (idPsoa <= 0)
        return;
    Transacao transacao(m_db);
    for (const QString &tabela : {QStringLiteral("TELEFONESPESSOAS"), QStringLiteral("DADOSPESSOAS"), QStringLiteral("PESSOAS")}) {
        // Table names are program constants.
        Consulta(m_db, QStringLiteral("DELETE FROM %1 WHERE CD_OPER = :CDOPER AND ID_PSOA = :IDPSOA").arg(tabela))
            .bind(kOper, m_codOper)
            .bind(kPessoa, idPsoa)
            .executar();
    }
    transacao.confirmar();
}

std::optional<DadosPessoa> CadastroPessoas::Carrega(int idPsoa) const
{
    // A person normally has one details row; when it has more, the first one is the person's.
    Consulta q(m_db, QStringLiteral(
                         "SELECT P.TP_PSOA AS TIPO, P.NM_PSOA AS NOME, P.CD_CPF_CNPJ AS DOCUMENTO, P.LG_ESTRANGEIRO, "
                         "       P.LG_ALTR_TRAM AS ESTADO_PESSOA, D.DT_INIC_VIGN, D.NM_MAE, D.NM_FANT, D.DT_NASCIMENTO, "
                         "       D.DE_ENDR, D.NR_ENDERECO, D.DE_COMPLEMENTO_ENDR, D.NM_BAIR, D.CD_CEP, D.DE_MAIL, D.LG_INAT, "
                         "       D.ID_MUNC, D.LG_ALTR_TRAM AS ESTADO_DADOS, M.NM_MUNC, M.CD_UF "
                         "FROM PESSOAS P "
                         "JOIN DADOSPESSOAS D ON D.CD_OPER = P.CD_OPER AND D.ID_PSOA = P.ID_PSOA "
                         "LEFT JOIN TB_MUNICIPIOS M ON M.ID_MUNC = D.ID_MUNC "
                         "WHERE P.CD_OPER = :CDOPER AND P.ID_PSOA = :IDPSOA "
                         "ORDER BY D.DT_INIC_VIGN LIMIT 1"));
    q.bind(kOper, m_codOper).bind(kPessoa, idPsoa);
    if (!q.primeira())
        return std::nullopt;
    DadosPessoa d;
    d.idPsoa = idPsoa;
    d.tipo = q.texto(QStringLiteral("TIPO")).trimmed();
    if (d.tipo.isEmpty())
        d.tipo = QStringLiteral("F");
    d.nome = q.texto(QStringLiteral("NOME"));
    d.documento = q.texto(QStringLiteral("DOCUMENTO")).trimmed();
    d.estrangeiro = q.texto(QStringLiteral("LG_ESTRANGEIRO")) == QLatin1String("T");
    d.inativa = q.texto(QStringLiteral("LG_INAT")) == QLatin1String("T");
    d.segundoNome = d.fisica() ? q.texto(QStringLiteral("NM_MAE")) : q.texto(QStringLiteral("NM_FANT"));
    d.nascimento = q.data(QStringLiteral("DT_NASCIMENTO"));
    d.logradouro = q.texto(QStringLiteral("DE_ENDR"));
    d.numero = q.texto(QStringLiteral("NR_ENDERECO"));
    d.complemento = q.texto(QStringLiteral("DE_COMPLEMENTO_ENDR"));
    d.bairro = q.texto(QStringLiteral("NM_BAIR"));
    d.cep = q.texto(QStringLiteral("CD_CEP")).trimmed();
    d.email = q.texto(QStringLiteral("DE_MAIL"));
    d.idMunc = q.nulo(QStringLiteral("ID_MUNC")) ? 0 : static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC")));
    d.nomeMunicipio = q.texto(QStringLiteral("NM_MUNC"));
    d.uf = q.texto(QStringLiteral("CD_UF"));
    d.dataDados = q.data(QStringLiteral("DT_INIC_VIGN"));
    d.estadoPessoa = q.texto(QStringLiteral("ESTADO_PESSOA"));
    d.estadoDados = q.texto(QStringLiteral("ESTADO_DADOS"));
    if (const auto fax = Fax(idPsoa, d.dataDados)) {
        d.faxExterior = fax->exterior();
        d.faxCodigo = fax->codigo();
        d.faxNumero = fax->numero;
    }
    return d;
}

void CadastroPessoas::Grava(const DadosPessoa &d)
{
    if (d.idPsoa <= 0)
        throw ErroBanco(QStringLiteral("A operadora não é alterada pelo cadastro de pessoas."));
    const bool fisica = d.fisica();
    // A foreigner has no Brazilian document: an empty text, not a missing value.
    const QString documento = d.estrangeiro ? QStringLiteral("") : d.documento.trimmed();

    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("UPDATE PESSOAS SET TP_PSOA = :TPPSOA, NM_PSOA = :NMPSOA, CD_CPF_CNPJ = :DOCUMENTO, "
                                  "LG_ESTRANGEIRO = :ESTRANGEIRO, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND ID_PSOA = :IDPSOA"))
        .bind(QStringLiteral(":TPPSOA"), d.tipo)
        .bind(QStringLiteral(":NMPSOA"), d.nome.trimmed())
        .bind(QStringLiteral(":DOCUMENTO"), documento)
        .bind(QStringLiteral(":ESTRANGEIRO"), d.estrangeiro ? QStringLiteral("T") : QStringLiteral("F"))
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(d.estadoPessoa))
        .bind(kOper, m_codOper)
        .bind(kPessoa, d.idPsoa)
        .executar();

    Consulta(m_db, QStringLiteral(
                       "UPDATE DADOSPESSOAS SET TP_PSOA = :TPPSOA, CD_CPF_CNPJ = :DOCUMENTO, ID_MUNC = :IDMUNC, NM_PSOA = :NMPSOA, "
                       "DE_ENDR = :DEENDR, NR_ENDERECO = :NRENDERECO, DE_COMPLEMENTO_ENDR = :COMPLEMENTO, NM_BAIR = :NMBAIR, "
                       "CD_CEP = :CDCEP, DE_MAIL = :DEMAIL, LG_INAT = :LGINAT, LG_ALTR_TRAM = :ESTADO, NM_FANT = :NMFANT, "
                       "NM_MAE = :NMMAE, DT_NASCIMENTO = :DTNASCIMENTO "
                       "WHERE CD_OPER = :CDOPER AND ID_PSOA = :IDPSOA"))
        .bind(QStringLiteral(":TPPSOA"), d.tipo)
        // A foreigner's details carry a single blank where the document would be.
        .bind(QStringLiteral(":DOCUMENTO"), d.estrangeiro ? QStringLiteral(" ") : documento)
        .bind(QStringLiteral(":IDMUNC"), d.idMunc > 0 ? QVariant(d.idMunc) : QVariant(QMetaType(QMetaType::Int)))
        .bind(QStringLiteral(":NMPSOA"), d.nome.trimmed())
        .bind(QStringLiteral(":DEENDR"), textoOuNulo(d.logradouro.trimmed()))
        .bind(QStringLiteral(":NRENDERECO"), textoOuNulo(d.numero.trimmed()))
        .bind(QStringLiteral(":COMPLEMENTO"), textoOuNulo(d.complemento.trimmed()))
        .bind(QStringLiteral(":NMBAIR"), textoOuNulo(d.bairro.trimmed()))
        .bind(QStringLiteral(":CDCEP"), textoOuNulo(d.cep.trimmed()))
        .bind(QStringLiteral(":DEMAIL"), textoOuNulo(d.email.trimmed()))
        .bind(QStringLiteral(":LGINAT"), d.inativa ? QStringLiteral("T") : QStringLiteral("F"))
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(d.estadoDados))
        .bind(QStringLiteral(":NMFANT"), textoOuNulo(fisica ? QString() : d.segundoNome.trimmed()))
        .bind(QStringLiteral(":NMMAE"), textoOuNulo(fisica ? d.segundoNome.trimmed() : QString()))
        .bind(QStringLiteral(":DTNASCIMENTO"), fisica ? d.nascimento : QDate())
        .bind(kOper, m_codOper)
        .bind(kPessoa, d.idPsoa)
        .executar();

    gravaFax(d);
    transacao.confirmar();
}

void CadastroPessoas::gravaFax(const DadosPessoa &d)
{
    const auto fax = Fax(d.idPsoa, d.dataDados);
    const QString numero = d.faxNumero.trimmed();
    if (!fax && numero.isEmpty())
        return;
    const QString codigo = d.faxCodigo.trimmed();
    const QVariant ddi = textoOuNulo(d.faxExterior ? codigo : QString());
    const QVariant ddd = textoOuNulo(d.faxExterior ? QString() : codigo);
    if (!fax) {
        Consulta(m_db, QStringLiteral("INSERT INTO TELEFONESPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, NR_SEQL_TELF, TP_TELF, "
                                      "CD_DDI, CD_DDD, NR_TELF, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, :IDPSOA, 0, 'F', :DDI, :DDD, :NRTELF, 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, d.dataDados)
            .bind(kPessoa, d.idPsoa)
            .bind(QStringLiteral(":DDI"), ddi)
            .bind(QStringLiteral(":DDD"), ddd)
            .bind(QStringLiteral(":NRTELF"), numero)
            .executar();
        return;
    }
    Consulta(m_db, QStringLiteral("UPDATE TELEFONESPESSOAS SET TP_TELF = 'F', CD_DDI = :DDI, CD_DDD = :DDD, NR_TELF = :NRTELF, "
                                  "LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA AND NR_SEQL_TELF = 0"))
        .bind(QStringLiteral(":DDI"), ddi)
        .bind(QStringLiteral(":DDD"), ddd)
        .bind(QStringLiteral(":NRTELF"), numero)
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(fax->estadoTransmissao))
        .bind(kOper, m_codOper)
        .bind(kData, d.dataDados)
        .bind(kPessoa, d.idPsoa)
        .executar();
}

std::optional<ItemPessoa> CadastroPessoas::Pessoa(int idPsoa) const
{
    Consulta q(m_db, QStringLiteral("SELECT ID_PSOA, NM_PSOA, CD_CPF_CNPJ, TP_PSOA FROM PESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = :IDPSOA"));
    q.bind(kOper, m_codOper).bind(kPessoa, idPsoa);
    if (!q.primeira())
        return std::nullopt;
    return ItemPessoa{idPsoa, q.texto(QStringLiteral("NM_PSOA")), q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed(),
                      q.texto(QStringLiteral("TP_PSOA"))};
}

CadastroPessoas::SituacaoDocumento CadastroPessoas::ConfereDocumento(const QString &documento, const QString &tipo, int idPsoa) const
{
    const QString d = documento.trimmed();
    if (!DocumentoValido(d, tipo == QLatin1String("J") ? TipoDocumento::Cnpj : TipoDocumento::Cpf))
        return SituacaoDocumento::Invalido;
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM PESSOAS WHERE CD_OPER = :CDOPER AND CD_CPF_CNPJ = :DOCUMENTO AND ID_PSOA <> :IDPSOA"));
    q.bind(kOper, m_codOper).bind(QStringLiteral(":DOCUMENTO"), d).bind(kPessoa, idPsoa);
    return q.primeira() ? SituacaoDocumento::Duplicado : SituacaoDocumento::Valido;
}

QString CadastroPessoas::MensagemDocumento(SituacaoDocumento situacao, const QString &tipo)
{
    const bool cnpj = tipo == QLatin1String("J");
    switch (situacao) {
    case SituacaoDocumento::Valido: return {};
    case SituacaoDocumento::Invalido:
        return cnpj ? QStringLiteral("CNPJ inválido. Digite corretamente!!") : QStringLiteral("CPF inválido. Digite corretamente!!");
    case SituacaoDocumento::Duplicado:
        return cnpj ? QStringLiteral("Já existe pessoa cadastrada com este CNPJ!!!\rDigite o CNPJ correto!!")
                    : QStringLiteral("Já existe pessoa cadastrada com este CPF!!!\rDigite o CPF correto!!");
    }
    return {};
}

QList<ItemPessoa> CadastroPessoas::Lista(FiltroTipo filtro, bool apenasAdministradores, Coluna coluna, bool decrescente) const
{
    // An empty inactivity flag belongs to a person whose data were never saved: not offered.
    QString sql = QStringLiteral("SELECT P.ID_PSOA, P.NM_PSOA, P.CD_CPF_CNPJ, P.TP_PSOA FROM PESSOAS P "
                                 "WHERE P.CD_OPER = :CDOPER AND P.ID_PSOA <> 0 "
                                 "AND EXISTS (SELECT 1 FROM DADOSPESSOAS D WHERE D.CD_OPER = P.CD_OPER AND D.ID_PSOA = P.ID_PSOA "
                                 "            AND D.LG_INAT IS NOT NULL AND D.LG_INAT NOT IN ('T', '')) ");
    if (filtro != FiltroTipo::Ambas)
        sql += QStringLiteral("AND P.TP_PSOA = :TPPSOA ");
    if (apenasAdministradores)
        sql += QStringLiteral("AND EXISTS (SELECT 1 FROM ADMINISTRADORES A WHERE A.CD_OPER = P.CD_OPER AND A.ID_PSOA = P.ID_PSOA) ");
    Consulta q(m_db, sql);
    q.bind(kOper, m_codOper);
    if (filtro != FiltroTipo::Ambas)
        q.bind(QStringLiteral(":TPPSOA"), filtro == FiltroTipo::Fisicas ? QStringLiteral("F") : QStringLiteral("J"));
    q.executar();
    QList<ItemPessoa> lista;
    while (q.proxima())
        lista << ItemPessoa{static_cast<int>(q.inteiro(QStringLiteral("ID_PSOA"))), q.texto(QStringLiteral("NM_PSOA")),
                            q.texto(QStringLiteral("CD_CPF_CNPJ")).trimmed(), q.texto(QStringLiteral("TP_PSOA"))};
    // Names sort as people read them, accents and all.
    std::stable_sort(lista.begin(), lista.end(), [coluna, decrescente](const ItemPessoa &a, const ItemPessoa &b) {
        const QString ca = coluna == Coluna::Nome ? Municipios::ChavePesquisa(a.nome) : a.documento;
        const QString cb = coluna == Coluna::Nome ? Municipios::ChavePesquisa(b.nome) : b.documento;
        if (ca == cb)
            return decrescente ? a.idPsoa > b.idPsoa : a.idPsoa < b.idPsoa;
        return decrescente ? ca > cb : ca < cb;
    });
    return lista;
}

std::optional<ItemPessoa> CadastroPessoas::PrimeiraPorNome(const QString &prefixo, FiltroTipo filtro) const
{
    // Compared here rather than with LIKE: a name typed in capitals without accents
    // finds "José" as the user expects, and no typed text reaches a statement.
    const QString chave = Municipios::ChavePesquisa(prefixo.trimmed());
    if (chave.isEmpty())
        return std::nullopt;
    for (const ItemPessoa &p : Lista(filtro, false, Coluna::Nome, false))
        if (Municipios::ChavePesquisa(p.nome).startsWith(chave))
            return p;
    return std::nullopt;
}

QList<Telefone> CadastroPessoas::Telefones(int idPsoa, const QDate &data) const
{
    Consulta q(m_db, QStringLiteral("SELECT %1 FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                    "AND ID_PSOA = :IDPSOA AND TP_TELF = 'T' ORDER BY NR_SEQL_TELF")
                         .arg(kColunasTelefone));
    q.bind(kOper, m_codOper).bind(kData, data).bind(kPessoa, idPsoa);
    q.executar();
    QList<Telefone> lista;
    while (q.proxima())
        lista << lerTelefone(q);
    return lista;
}

std::optional<Telefone> CadastroPessoas::Fax(int idPsoa, const QDate &data) const
{
    Consulta q(m_db, QStringLiteral("SELECT %1 FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                    "AND ID_PSOA = :IDPSOA AND NR_SEQL_TELF = 0")
                         .arg(kColunasTelefone));
    q.bind(kOper, m_codOper).bind(kData, data).bind(kPessoa, idPsoa);
    if (!q.primeira())
        return std::nullopt;
    return lerTelefone(q);
}

std::optional<Telefone> CadastroPessoas::TelefonePorSequencia(int idPsoa, const QDate &data, int sequencia) const
{
    Consulta q(m_db, QStringLiteral("SELECT %1 FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                    "AND ID_PSOA = :IDPSOA AND NR_SEQL_TELF = :SEQUENCIA")
                         .arg(kColunasTelefone));
    q.bind(kOper, m_codOper).bind(kData, data).bind(kPessoa, idPsoa).bind(QStringLiteral(":SEQUENCIA"), sequencia);
    if (!q.primeira())
        return std::nullopt;
    return lerTelefone(q);
}

int CadastroPessoas::GravaTelefone(int idPsoa, const QDate &data, Telefone t)
{
    const bool exterior = !t.ddi.trimmed().isEmpty();
    const QVariant ddi = textoOuNulo(exterior ? t.ddi.trimmed() : QString());
    const QVariant ddd = textoOuNulo(exterior ? QString() : t.ddd.trimmed());
    Transacao transacao(m_db);
    if (t.sequencia <= 0) {
        // Phones count from 1 whatever the fax (number 0) is.
        Consulta proxima(m_db, QStringLiteral("SELECT COALESCE(MAX(NR_SEQL_TELF), 0) + 1 FROM TELEFONESPESSOAS "
                                              "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA"));
        proxima.bind(kOper, m_codOper).bind(kData, data).bind(kPessoa, idPsoa);
        t.sequencia = proxima.primeira() ? proxima.valor(0).toInt() : 1;
        Consulta(m_db, QStringLiteral("INSERT INTO TELEFONESPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, NR_SEQL_TELF, TP_TELF, "
                                      "CD_DDI, CD_DDD, NR_TELF, NR_RAML, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, :IDPSOA, :SEQUENCIA, 'T', :DDI, :DDD, :NRTELF, :NRRAML, 'N')"))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .bind(kPessoa, idPsoa)
            .bind(QStringLiteral(":SEQUENCIA"), t.sequencia)
            .bind(QStringLiteral(":DDI"), ddi)
            .bind(QStringLiteral(":DDD"), ddd)
            .bind(QStringLiteral(":NRTELF"), textoOuNulo(t.numero.trimmed()))
            .bind(QStringLiteral(":NRRAML"), textoOuNulo(t.ramal.trimmed()))
            .executar();
    } else {
        const auto anterior = TelefonePorSequencia(idPsoa, data, t.sequencia);
        if (!anterior)
            throw ErroBanco(QStringLiteral("Telefone não encontrado."));
        Consulta(m_db, QStringLiteral("UPDATE TELEFONESPESSOAS SET CD_DDI = :DDI, CD_DDD = :DDD, NR_TELF = :NRTELF, NR_RAML = :NRRAML, "
                                      "LG_ALTR_TRAM = :ESTADO "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND ID_PSOA = :IDPSOA "
                                      "AND NR_SEQL_TELF = :SEQUENCIA"))
            .bind(QStringLiteral(":DDI"), ddi)
            .bind(QStringLiteral(":DDD"), ddd)
            .bind(QStringLiteral(":NRTELF"), textoOuNulo(t.numero.trimmed()))
            .bind(QStringLiteral(":NRRAML"), textoOuNulo(t.ramal.trimmed()))
            .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(anterior->estadoTransmissao))
            .bind(kOper, m_codOper)
            .bind(kData, data)
            .bind(kPessoa, idPsoa)
            .bind(QStringLiteral(":SEQUENCIA"), t.sequencia)
            .executar();
    }
    transacao.confirmar();
    return t.sequencia;
}

void CadastroPessoas::ExcluiTelefone(int idPsoa, const QDate &data, int sequencia)
{
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("DELETE FROM TELEFONESPESSOAS WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN "
                                  "AND ID_PSOA = :IDPSOA AND NR_SEQL_TELF = :SEQUENCIA"))
        .bind(kOper, m_codOper)
        .bind(kData, data)
        .bind(kPessoa, idPsoa)
        .bind(QStringLiteral(":SEQUENCIA"), sequencia)
        .executar();
    transacao.confirmar();
}

QStringList CadastroPessoas::ItensFaltantes(const DadosPessoa &d)
{
    QStringList itens;
    if (d.nome.trimmed().isEmpty())
        itens << QStringLiteral(">> Nome");
    if (d.documento.trimmed().isEmpty() && !d.estrangeiro)
        itens << (d.fisica() ? QStringLiteral(">> CPF") : QStringLiteral(">> CNPJ"));
    if (d.faxExterior) {
        if (d.faxCodigo.trimmed().isEmpty())
            itens << QStringLiteral(">> DDI");
        if (d.faxNumero.trimmed().isEmpty())
            itens << QStringLiteral(">> FAX");
    }
    return itens;
}

bool CadastroPessoas::EmailValido(const QString &email)
{
    const qsizetype arroba = email.indexOf(u'@');
    return arroba >= 0 && email.indexOf(u'.', arroba + 1) > arroba;
}

bool CadastroPessoas::CepValido(const QString &cep)
{
    if (cep.size() != 8)
        return false;
    return std::all_of(cep.cbegin(), cep.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<CadastroPessoas::ErroValor> CadastroPessoas::ErroValores(const DadosPessoa &d, bool nascimentoVisivel,
                                                                       bool enderecoVisivel, int anoAtual)
{
    std::optional<ErroValor> erro;
    if (nascimentoVisivel && d.nascimento.isValid()) {
        const int idade = anoAtual - d.nascimento.year();
        if (idade < 16 || idade > 100)
            erro = ErroValor{Campo::Nascimento, QStringLiteral("Data de Nascimento inválida.")};
    }
    if (!d.cep.trimmed().isEmpty() && !CepValido(d.cep))
        erro = ErroValor{Campo::Cep, QStringLiteral("Informe o CEP do Endereço da Matriz com 8 dígitos.")};
    if (enderecoVisivel && !EmailValido(d.email.trimmed()))
        erro = ErroValor{Campo::Email, QStringLiteral("E-mail inválido.")};
    return erro;
}

} // namespace kelpa
