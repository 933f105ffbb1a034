#include "ContraprestacoesLiquidas.h"

#include "MontagemEstrutura.h"
#include "app/Utilitarios.h"
#include "app/banco/Consulta.h"
#include "app/banco/Transacao.h"

namespace kelpa {

const std::array<QString, LinhaReceitaUF::Colunas> &LinhaReceitaUF::nomesColunas()
{
    static const std::array<QString, Colunas> nomes{
        QStringLiteral("VL_RECT_PRE"),           QStringLiteral("VL_RECT_OUTR"),
        QStringLiteral("VL_RECT_PRE_ODON"),      QStringLiteral("VL_RECT_OUTR_ODON"),
        QStringLiteral("VL_DESP_MEDC_PRE"),      QStringLiteral("VL_DESP_MEDC_OUTR"),
        QStringLiteral("VL_DESP_MEDC_PRE_ODON"), QStringLiteral("VL_DESP_MEDC_OUTR_ODON")};
    return nomes;
}

bool LinhaReceitaUF::vazia() const
{
    for (const auto &v : valores)
        if (v && !v->zero())
            return false;
    return true;
}

namespace {

QString colunasValores()
{
    QStringList nomes;
    for (const QString &nome : LinhaReceitaUF::nomesColunas())
        nomes << nome;
    return nomes.join(QStringLiteral(", "));
}

QString textoAntes2003(LadoReceitaDespesa lado, const QString &plano, const QString &modalidade, const QString &contas)
{
    return QStringLiteral("Total em reais, %1 provenientes de Planos %2 %3.\r\n"
                          "Corresponde às subdivisões %4 do Plano de Contas.\r\n"
                          "Utilize a vírgula como separador decimal.")
        .arg(lado == LadoReceitaDespesa::Receitas ? QStringLiteral("das Contraprestações Líquidas")
                                                  : QStringLiteral("dos Eventos Indenizáveis"),
             plano, modalidade, contas);
}

// The accounts each field's hint names, by the chart's era.
struct ContasDasDicas {
    QString medicoPre, medicoOutras, odontoPre, odontoOutras;
};

ContasDasDicas contasAntes2003(LadoReceitaDespesa lado)
{
    if (lado == LadoReceitaDespesa::Receitas)
        return {QStringLiteral("31111.1, 31131.1, (-)31151.1 e (-)31171.1"), QStringLiteral("31111.2, 31131.2, (-)31151.2 e (-)31171.2"),
                QStringLiteral("31112.1, 31141.1, (-)31161.1 e (-)31181.1"), QStringLiteral("31121.2, 31141.2, (-)31161.2 e (-)31181.2")};
    const auto lista = [](const QString &base, char sufixo) { return QString(base).replace(QLatin1Char('#'), QLatin1Char(sufixo)); };
    const QString medico = QStringLiteral("41111.# à 41117.#, 41132.#, (-)41211.# à (-)41217.#, (-)41231.# à (-)41237.#, "
                                          "(-)41311.# e (-)41312.#");
    const QString odonto = QStringLiteral("41121.# à 41127.#, 41141.#, (-)41221.# à (-)41227.#, (-)41241.# à (-)41247.#, "
                                          "(-)41321.# e (-)41322.#");
    return {lista(medico, '1'), lista(medico, '2'), lista(odonto, '1'), lista(odonto, '2')};
}

ContasDasDicas contasRdc38(LadoReceitaDespesa lado)
{
    if (lado == LadoReceitaDespesa::Receitas)
        return {QStringLiteral("311111, 311311, 311511, 311711, 311911, 311921, 311931, 311941"),
                QStringLiteral("311112, 31117, 31118, 311312, 31138, 311512, 31157, 31158, 311712, 31178, 311912, 311922, "
                               "311932, 311942"),
                QStringLiteral("311211, 311411, 311611, 311811, 311951, 311961, 311971, 311981"),
                QStringLiteral("311212, 31127, 31128, 311412, 31148, 311612, 31167, 31168, 311812, 31188, 311952, 311962, "
                               "311972, 311982")};
    return {QStringLiteral("411111, 411121, 411131, 411141, 411151, 411161, 411171, 411311, 411511, 411521, 411531, 411541, "
                           "411551, 411561, 411571, 412111, 412121, 412131, 412141, 412151, 412161, 412171, 412311, 412321, "
                           "412331, 412341, 412351, 412361, 412371, 412811, 413111, 413121, 413181"),
            QStringLiteral("411112, 411122, 411132, 411142, 411152, 411162, 411172, 41118, 41119, 411312, 41133, 41138, "
                           "411512, 411522, 411532, 411542, 411552, 411562, 411572, 41158, 412112, 412122, 412132, 412142, "
                           "412152, 412162, 412172, 41218, 41219, 412312, 412322, 412332, 412342, 412352, 412362, 412372, "
                           "41238, 412812, 413112, 413122, 413182"),
            QStringLiteral("411211, 411221, 411231, 411241, 411251, 411261, 411271, 411411, 411611, 411621, 411631, 411641, "
                           "411651, 411661, 411671, 412211, 412221, 412231, 412241, 412251, 412261, 412271, 412411, 412421, "
                           "412431, 412441, 412451, 412461, 412471, 412911, 413211, 413221, 413281"),
            QStringLiteral("411212, 411222, 411232, 411242, 411252, 411262, 411272, 41128, 41129, 411412, 41142, 41148, "
                           "411612, 411622, 411632, 411642, 411652, 411662, 411672, 41168, 412212, 412222, 412232, 412242, "
                           "412252, 412262, 412272, 41228, 41229, 412412, 412422, 412432, 412442, 412452, 412462, 412472, "
                           "41248, 412912, 413212, 413222, 413282")};
}

QString textoRdc38(const QString &contas)
{
    return QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes subcontas do Plano de Contas Padrão "
                          "(RDC Nº 38, de 27/10/00 e suas posteriores alterações):\r\n%1.")
        .arg(contas);
}

} // namespace

ContraprestacoesLiquidas::ContraprestacoesLiquidas(QSqlDatabase db, QString codOper, QDate trimestre, LadoReceitaDespesa lado)
    : m_db(std::move(db))
    , m_codOper(std::move(codOper))
    , m_trimestre(trimestre)
    , m_lado(lado)
{
}

QString ContraprestacoesLiquidas::titulo(bool operadoraDePlanos, LadoReceitaDespesa lado)
{
    if (lado == LadoReceitaDespesa::Despesas)
        return operadoraDePlanos ? QStringLiteral("Quadro 9: Eventos Indenizáveis Líquidos do Trimestre")
                                 : QStringLiteral("Quadro 9: Sinistros Indenizáveis Líquidos do Trimestre");
    return operadoraDePlanos ? QStringLiteral("Quadro 8: Contraprestações Líquidas do Trimestre")
                             : QStringLiteral("Quadro 8: Prêmios Retidos Líquidos do Trimestre");
}

std::optional<QChar> ContraprestacoesLiquidas::segmento(const QSqlDatabase &db, const QString &codOper,
                                                         const QDate &trimestre)
{
    // The registration in force on the quarter's last day.
    const QDate inicio(trimestre.year(), ((trimestre.month() - 1) / 3) * 3 + 1, 1);
    const QDate fim = inicio.addMonths(3).addDays(-1);
    Consulta q(db, QStringLiteral("SELECT CD_MODL FROM CADASTRO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = "
                                  "(SELECT MAX(DT_INIC_VIGN) FROM CADASTRO WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN <= :FIM)"));
    q.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":FIM"), fim);
    if (!q.primeira())
        return std::nullopt;
    const QString modalidade = q.texto(QStringLiteral("CD_MODL"));
    return (modalidade == QLatin1String("COOPO") || modalidade == QLatin1String("ODGRP")) ? QChar(u'O') : QChar(u'C');
}

int ContraprestacoesLiquidas::pagina(QChar segmento, bool umaUF)
{
    return (segmento == u'O' ? 2 : 0) + (umaUF ? 1 : 0);
}

QStringList ContraprestacoesLiquidas::pendencias(bool umaUF, const QString &uf)
{
    if (umaUF && uf.trimmed().isEmpty())
        return {QStringLiteral(">> UF")};
    return {};
}

DicasContraprestacoes ContraprestacoesLiquidas::dicas(const QDate &trimestre, LadoReceitaDespesa lado)
{
    DicasContraprestacoes d;
    if (trimestre < QDate(2003, 1, 1)) {
        const ContasDasDicas contas = contasAntes2003(lado);
        const QString medico = QStringLiteral("Médico-Hospitalares");
        const QString odonto = QStringLiteral("Odontológicos");
        const QString pre = QStringLiteral("na modalidade de pré-pagamento");
        const QString outras = QStringLiteral("em outras modalidades");
        const QString ambas = QStringLiteral("na modalidade de pré-pagamento e em outras modalidades");
        d.medicoPre = textoAntes2003(lado, medico, pre, contas.medicoPre);
        d.medicoOutras = textoAntes2003(lado, medico, outras, contas.medicoOutras);
        d.odontoPre = textoAntes2003(lado, odonto, pre, contas.odontoPre);
        d.odontoOutras = textoAntes2003(lado, odonto, outras, contas.odontoOutras);
        // The heading names both lists; the revenues' old lists end in "e", joined by a comma here.
        const auto junta = [](QString a, const QString &b) { return a.replace(QStringLiteral(" e "), QStringLiteral(", ")) + QStringLiteral(", ") + b; };
        d.grupoMedico = textoAntes2003(lado, medico, ambas, junta(contas.medicoPre, contas.medicoOutras));
        d.grupoOdonto = textoAntes2003(lado, odonto, ambas, junta(contas.odontoPre, contas.odontoOutras));
        return d;
    }
    if (trimestre < QDate(2007, 1, 1)) {
        const ContasDasDicas contas = contasRdc38(lado);
        d.medicoPre = textoRdc38(contas.medicoPre);
        d.medicoOutras = textoRdc38(contas.medicoOutras);
        d.odontoPre = textoRdc38(contas.odontoPre);
        d.odontoOutras = textoRdc38(contas.odontoOutras);
        d.grupoMedico = textoRdc38(contas.medicoPre + QStringLiteral(", ") + contas.medicoOutras);
        d.grupoOdonto = textoRdc38(contas.odontoPre + QStringLiteral(", ") + contas.odontoOutras);
        return d;
    }
    // Revenues sit in subgroup 311 of the 2007 chart, indemnifiable events in group 41.
    const QString onde = lado == LadoReceitaDespesa::Receitas ? QStringLiteral("subgrupo 311") : QStringLiteral("grupo 41");
    const QString pre = QStringLiteral("Corresponde à soma algébrica, do trimestre, do saldo das \rsubcontas de assistência %1, "
                                       "cobertura assistencial com \rpreço pré-estabelecido, do %2 do Plano de Contas\r"
                                       "Padrão (RN nº 136/06 e suas posteriores alterações).");
    const QString outras = QStringLiteral("Corresponde à soma algébrica, do trimestre, do saldo das \rsubcontas de assistência %1, "
                                          "do %2, exceto\ras de cobertura assistencial com preço pré-estabelecidos,\r"
                                          "do Plano de Contas Padrão (RN nº 136/06 e suas posteriores\ralterações)");
    const QString medico = QStringLiteral("médico-hospitalar");
    const QString odonto = QStringLiteral("odontológica");
    d.medicoPre = pre.arg(medico, onde);
    d.medicoOutras = outras.arg(medico, onde);
    d.odontoPre = pre.arg(odonto, onde);
    d.odontoOutras = outras.arg(odonto, onde);
    d.nosTitulosDaGrade = true;
    return d;
}

ContraprestacoesLiquidas::Cabecalho ContraprestacoesLiquidas::lerCabecalho() const
{
    Consulta q(m_db, QStringLiteral("SELECT CD_UF_OPER, LG_ALTR_TRAM FROM QUADRORECEITASDESPESASUF "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    Cabecalho c;
    if (q.primeira()) {
        c.existe = true;
        c.ufUnica = q.texto(QStringLiteral("CD_UF_OPER")).trimmed();
        c.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
    }
    return c;
}

bool ContraprestacoesLiquidas::criarLinhasFaltantes()
{
    Consulta faltantes(m_db, QStringLiteral("SELECT CD_UF FROM TB_UFs WHERE CD_UF NOT IN "
                                            "(SELECT CD_UF FROM RECEITASDESPESASUF WHERE CD_OPER = :CDOPER "
                                            "AND DT_INIC_VIGN = :DTVIGN AND CD_UF IS NOT NULL) ORDER BY CD_UF"));
    faltantes.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    faltantes.executar();
    QStringList ufs;
    while (faltantes.proxima())
        ufs << faltantes.texto(QStringLiteral("CD_UF"));
    if (ufs.isEmpty())
        return false;

    Transacao transacao(m_db);
    if (!lerCabecalho().existe)
        Consulta(m_db, QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, VL_TOTL_BENE_RECT, LG_ALTR_TRAM) "
                                      "VALUES (:CDOPER, :DTVIGN, 0, 'N')"))
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .executar();
    Consulta insere(m_db, QStringLiteral("INSERT INTO RECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF, LG_ALTR_TRAM) "
                                         "VALUES (:CDOPER, :DTVIGN, :UF, 'N')"));
    for (const QString &uf : ufs)
        insere.bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":UF"), uf)
            .executar();
    MontagemEstrutura montagem(m_db, m_codOper, m_trimestre);
    montagem.MontaPlanoContasValor();
    if (m_lado == LadoReceitaDespesa::Despesas && MontagemEstrutura::TemFluxoEIdade(m_trimestre)) {
        montagem.MontaFluxoCaixaValor();
        montagem.MontaIdadeSaldoValor();
    }
    transacao.confirmar();
    return true;
}

void ContraprestacoesLiquidas::lerLinhas()
{
    Consulta q(m_db, QStringLiteral("SELECT CD_UF, %1, LG_ALTR_TRAM FROM RECEITASDESPESASUF "
                                    "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN ORDER BY CD_UF")
                         .arg(colunasValores()));
    q.bind(QStringLiteral(":CDOPER"), m_codOper).bind(QStringLiteral(":DTVIGN"), m_trimestre);
    q.executar();
    m_linhas.clear();
    while (q.proxima()) {
        LinhaReceitaUF l;
        l.uf = q.texto(QStringLiteral("CD_UF"));
        for (int i = 0; i < LinhaReceitaUF::Colunas; ++i) {
            const QVariant v = q.valor(i + 1);
            if (!v.isNull())
                l.valores[i] = Moeda::doBanco(v);
        }
        l.estadoTransmissao = q.texto(QStringLiteral("LG_ALTR_TRAM"));
        m_linhas.append(l);
    }
    m_ufUnica = lerCabecalho().ufUnica;
}

void ContraprestacoesLiquidas::carregar()
{
    lerLinhas();
    m_desfazerLinhas = m_linhas;
    m_desfazerCabecalho = lerCabecalho();
}

const LinhaReceitaUF *ContraprestacoesLiquidas::linha(const QString &uf) const
{
    for (const LinhaReceitaUF &l : m_linhas)
        if (l.uf == uf)
            return &l;
    return nullptr;
}

LinhaReceitaUF ContraprestacoesLiquidas::totais() const
{
    LinhaReceitaUF total;
    total.uf = QStringLiteral("Tot");
    for (int i = 0; i < LinhaReceitaUF::Colunas; ++i) {
        Moeda soma;
        for (const LinhaReceitaUF &l : m_linhas)
            soma += l.valor(static_cast<LinhaReceitaUF::Coluna>(i));
        total.valores[i] = soma;
    }
    return total;
}

bool ContraprestacoesLiquidas::informar(const QString &uf, LinhaReceitaUF::Coluna coluna, Moeda valor)
{
    if (valor.negativo() || !LinhaReceitaUF::doLado(m_lado, coluna))
        return false;
    const LinhaReceitaUF *atual = linha(uf);
    if (!atual)
        return false;
    if (atual->valores.at(coluna) == valor)
        return true;
    Transacao transacao(m_db);
    Consulta(m_db, QStringLiteral("UPDATE RECEITASDESPESASUF SET %1 = :VALOR, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_UF = :UF")
                       .arg(LinhaReceitaUF::nomesColunas().at(coluna)))
        .bind(QStringLiteral(":VALOR"), valor.paraBanco())
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(atual->estadoTransmissao))
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .bind(QStringLiteral(":UF"), uf)
        .executar();
    transacao.confirmar();
    lerLinhas();
    return true;
}

bool ContraprestacoesLiquidas::informarDigitado(const QString &uf, LinhaReceitaUF::Coluna coluna, const QString &texto)
{
    QString t = texto;
    t.remove(u'-');
    return informar(uf, coluna, t.trimmed().isEmpty() ? Moeda() : Moeda::lerDigitado(t));
}

void ContraprestacoesLiquidas::gravarCabecalhoUF(const QString &uf)
{
    const Cabecalho atual = lerCabecalho();
    if (!atual.existe || atual.ufUnica == uf)
        return;
    Consulta(m_db, QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET CD_UF_OPER = :UF, LG_ALTR_TRAM = :ESTADO "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
        .bind(QStringLiteral(":UF"), uf.isEmpty() ? QString() : uf)
        .bind(QStringLiteral(":ESTADO"), EstadoTransmissaoAoGravar(atual.estadoTransmissao))
        .bind(QStringLiteral(":CDOPER"), m_codOper)
        .bind(QStringLiteral(":DTVIGN"), m_trimestre)
        .executar();
}

void ContraprestacoesLiquidas::escolherUF(const QString &uf)
{
    if (uf.trimmed().isEmpty())
        return;
    Transacao transacao(m_db);
    QString zeros;
    for (const QString &coluna : LinhaReceitaUF::nomesColunas())
        zeros += (zeros.isEmpty() ? QString() : QStringLiteral(", ")) + coluna + QStringLiteral(" = 0");
    Consulta zera(m_db, QStringLiteral("UPDATE RECEITASDESPESASUF SET %1, LG_ALTR_TRAM = :ESTADO "
                                       "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_UF = :UF")
                            .arg(zeros));
    for (const LinhaReceitaUF &l : m_linhas) {
        if (l.uf == uf)
            continue;
        bool jaZerada = true;
        for (const auto &v : l.valores)
            jaZerada = jaZerada && v && v->zero();
        if (jaZerada)
            continue;
        // Amounts that really change mark the row as changed.
        zera.bind(QStringLiteral(":ESTADO"), l.vazia() ? l.estadoTransmissao : EstadoTransmissaoAoGravar(l.estadoTransmissao))
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":UF"), l.uf)
            .executar();
    }
    gravarCabecalhoUF(uf);
    transacao.confirmar();
    lerLinhas();
}

void ContraprestacoesLiquidas::finalizar(bool umaUF, const QString &uf, bool limparVazias)
{
    Transacao transacao(m_db);
    if (umaUF && !uf.isEmpty()) {
        const LinhaReceitaUF *escolhida = linha(uf);
        if (escolhida && (escolhida->totalMedico(m_lado).positivo() || escolhida->totalOdonto(m_lado).positivo())) {
            QString nulos;
            for (const QString &coluna : LinhaReceitaUF::nomesColunas())
                nulos += (nulos.isEmpty() ? QString() : QStringLiteral(", ")) + coluna + QStringLiteral(" = NULL");
            Consulta(m_db, QStringLiteral("UPDATE RECEITASDESPESASUF SET %1 WHERE CD_OPER = :CDOPER "
                                          "AND DT_INIC_VIGN = :DTVIGN AND CD_UF <> :UF")
                               .arg(nulos))
                .bind(QStringLiteral(":CDOPER"), m_codOper)
                .bind(QStringLiteral(":DTVIGN"), m_trimestre)
                .bind(QStringLiteral(":UF"), uf)
                .executar();
        }
    } else if (!umaUF) {
        gravarCabecalhoUF(QString());
    }
    if (limparVazias) {
        QString soma;
        for (const QString &coluna : LinhaReceitaUF::nomesColunas())
            soma += (soma.isEmpty() ? QString() : QStringLiteral(" AND ")) + QStringLiteral("COALESCE(%1, 0) = 0").arg(coluna);
        Consulta(m_db, QStringLiteral("DELETE FROM RECEITASDESPESASUF WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND %1")
                           .arg(soma))
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .executar();
    }
    transacao.confirmar();
    carregar();
}

void ContraprestacoesLiquidas::desfazer()
{
    Transacao transacao(m_db);
    QString atribuicoes;
    for (const QString &coluna : LinhaReceitaUF::nomesColunas())
        atribuicoes += QStringLiteral("%1 = :%1, ").arg(coluna);
    Consulta restaura(m_db, QStringLiteral("UPDATE RECEITASDESPESASUF SET %1LG_ALTR_TRAM = :ESTADO "
                                           "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN AND CD_UF = :UF")
                                .arg(atribuicoes));
    for (const LinhaReceitaUF &l : m_desfazerLinhas) {
        for (int i = 0; i < LinhaReceitaUF::Colunas; ++i) {
            const auto &v = l.valores.at(i);
            restaura.bind(QLatin1Char(':') + LinhaReceitaUF::nomesColunas().at(i),
                          v ? v->paraBanco() : QVariant(QMetaType(QMetaType::Double)));
        }
        restaura.bind(QStringLiteral(":ESTADO"), l.estadoTransmissao.isEmpty() ? QStringLiteral("N") : l.estadoTransmissao)
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .bind(QStringLiteral(":UF"), l.uf)
            .executar();
    }
    if (m_desfazerCabecalho.existe)
        Consulta(m_db, QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET CD_UF_OPER = :UF, LG_ALTR_TRAM = :ESTADO "
                                      "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"))
            .bind(QStringLiteral(":UF"), m_desfazerCabecalho.ufUnica.isEmpty() ? QString() : m_desfazerCabecalho.ufUnica)
            .bind(QStringLiteral(":ESTADO"), m_desfazerCabecalho.estadoTransmissao)
            .bind(QStringLiteral(":CDOPER"), m_codOper)
            .bind(QStringLiteral(":DTVIGN"), m_trimestre)
            .executar();
    transacao.confirmar();
    lerLinhas();
}

} // namespace kelpa
