#include "CadastroDemonstracao.h"

#include "Acionistas.h"
#include "Administradores.h"
#include "CadastroComplementar.h"
#include "CadastroPessoas.h"
#include "DadosBasicos.h"
#include "Dependencias.h"
#include "RegiaoAtuacao.h"
#include "Representante.h"

#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <tuple>

namespace kelpa {

namespace {

EnderecoCadastro endereco(const QSqlDatabase &db, const QString &logradouro, const QString &numero, const QString &complemento,
                          const QString &bairro, const QString &cep, int idMunc)
{
    const auto municipio = Municipios::PorCodigo(db, idMunc);
    if (!municipio)
        throw ErroBanco(QStringLiteral("Município %1 não encontrado na tabela de municípios.").arg(idMunc));
    return EnderecoCadastro{logradouro, numero, complemento, bairro, cep, municipio->id, municipio->nome, municipio->uf};
}

int incluiProfissional(CadastroPessoas &pessoas, const QString &nome, const QString &cpf, const QString &mae, const QDate &nascimento,
                       const QString &email)
{
    if (pessoas.ConfereDocumento(cpf, QStringLiteral("F"), 0) != CadastroPessoas::SituacaoDocumento::Valido)
        throw ErroBanco(QStringLiteral("CPF de demonstração recusado: %1").arg(cpf));
    DadosPessoa p;
    p.tipo = QStringLiteral("F");
    p.nome = nome;
    p.documento = cpf;
    p.segundoNome = mae;
    p.nascimento = nascimento;
    p.logradouro = QStringLiteral("RUA DOS PINHEIROS");
    p.numero = QStringLiteral("870");
    p.bairro = QStringLiteral("PINHEIROS");
    p.cep = QStringLiteral("05422001");
    p.idMunc = 3550308;
    p.email = email;
    return pessoas.Inclui(p);
}

} // namespace

void CadastroDemonstracao::criar(const QSqlDatabase &db, const QString &codOper)
{
    Transacao transacao(db);

    // Quadro 1: the first period, as the quadro sets it up, then filled in.
    CadastroComplementar cadastro(db, codOper);
    const QList<QDate> periodos = cadastro.Periodos();
    if (periodos.isEmpty())
        throw ErroBanco(QStringLiteral("O primeiro período do cadastro da operadora %1 não foi criado.").arg(codOper));
    const QDate primeiro = periodos.last();
    PeriodoCadastro p = cadastro.Carrega(primeiro);
    p.nomeFantasia = QStringLiteral("SAÚDE EXEMPLO");
    p.matriz = endereco(db, QStringLiteral("AVENIDA BRIGADEIRO LUÍS ANTÔNIO"), QStringLiteral("1200"), QStringLiteral("CONJ 81"),
                        QStringLiteral("BELA VISTA"), QStringLiteral("01318002"), 3550308);
    p.correspondencia = endereco(db, QStringLiteral("RUA CORONEL OLIVEIRA LIMA"), QStringLiteral("415"), QStringLiteral("SALA 3"),
                                 QStringLiteral("CENTRO"), QStringLiteral("09010001"), 3547809);
    p.email = QStringLiteral("cadastro@saudeexemplo.com.br");
    p.faxCodigo = QStringLiteral("11");
    p.faxNumero = QStringLiteral("32851200");
    if (p.submodalidade.isEmpty()) {
        const auto segmentos = cadastro.Submodalidades(p.modalidade, p.sociedade);
        if (!segmentos.isEmpty())
            p.submodalidade = segmentos.first().first;
    }
    CadastroPessoas pessoas(db, codOper);
    Telefone central;
    central.ddd = QStringLiteral("11");
    central.numero = QStringLiteral("32851100");
    Telefone cadastroTel = central;
    cadastroTel.numero = QStringLiteral("32851101");
    cadastroTel.ramal = QStringLiteral("214");
    pessoas.GravaTelefone(0, primeiro, central);
    pessoas.GravaTelefone(0, primeiro, cadastroTel);
    p.telefones = pessoas.Telefones(0, primeiro);
    cadastro.Grava(p);

    // From 2005 the region of operation is asked: a copy of the first period with the
    // municipalities where the plans are sold (the capital and its neighbours: region 4).
    const QDate atual(2005, 1, 1);
    if (!periodos.contains(atual) && primeiro < atual) {
        if (!cadastro.CopiaPeriodo(atual, p.submodalidade))
            throw ErroBanco(QStringLiteral("O período de 2005 do cadastro não foi criado."));
        PeriodoCadastro p2 = cadastro.Carrega(atual);
        QList<Municipio> atuacao;
        for (const int id : {3550308, 3518800, 3547809, 3548708, 3534401, 3509502})
            if (const auto m = Municipios::PorCodigo(db, id))
                atuacao << *m;
        p2.municipiosAtuacao = atuacao;
        p2.regiao = RegiaoAtuacao::CalculaRegiao(db, atuacao);
        cadastro.Grava(p2);
    }

    // Quadro 2: foundation, staff, own capital and the three responsible professionals.
    DadosBasicos basicos(db, codOper);
    const QList<QDate> periodosBasicos = basicos.Periodos();
    if (periodosBasicos.isEmpty())
        throw ErroBanco(QStringLiteral("O primeiro período dos dados básicos não foi criado."));
    PeriodoDadosBasicos b = basicos.Carrega(periodosBasicos.last());
    b.fundacao = QDate(1994, 3, 10);
    b.funcionarios = 184;
    b.capitalProprio = 2500000.0;
    const struct {
        int tipo;
        QString nome;
        QString cpf;
        QString mae;
        QDate nascimento;
        QString email;
        QString registro;
    } profissionais[] = {
        {1, QStringLiteral("MARIANA COSTA FERREIRA"), QStringLiteral("31854027662"), QStringLiteral("HELENA COSTA FERREIRA"),
         QDate(1968, 4, 22), QStringLiteral("mariana.ferreira@contabilexemplo.com.br"), QStringLiteral("SP-123456/O-7")},
        {2, QStringLiteral("RICARDO ALMEIDA TAVARES"), QStringLiteral("52791360425"), QStringLiteral("LUCIA ALMEIDA TAVARES"),
         QDate(1961, 11, 3), QStringLiteral("ricardo.tavares@atuariaexemplo.com.br"), QStringLiteral("1234")},
        {3, QStringLiteral("BEATRIZ NOGUEIRA LIMA"), QStringLiteral("64028719313"), QStringLiteral("ANA NOGUEIRA LIMA"),
         QDate(1972, 7, 15), QStringLiteral("beatriz.lima@auditoriaexemplo.com.br"), QStringLiteral("CVM-9876")},
    };
    for (const auto &prof : profissionais) {
        ResponsavelBasico &r = b.responsavel(prof.tipo);
        r.idPsoa = incluiProfissional(pessoas, prof.nome, prof.cpf, prof.mae, prof.nascimento, prof.email);
        r.nome = prof.nome;
        r.registro = prof.registro;
    }
    basicos.Grava(b);

    // Quadros 3 and 4 from 2005, which the regulator requires before the data may be
    // sent: the medical director, an administrator, is the technical officer and the
    // representative before the QOR.
    const int diretor = incluiProfissional(pessoas, QStringLiteral("PAULO HENRIQUE SOUZA MARTINS"),
                                           QStringLiteral("41823795609"), QStringLiteral("TERESA SOUZA MARTINS"),
                                           QDate(1958, 9, 30), QStringLiteral("diretoria.medica@saudeexemplo.com.br"));
    Administradores administradores(db, codOper);
    if (!administradores.periodos().Existe(atual) && !administradores.periodos().IncluiPeriodo(atual))
        throw ErroBanco(QStringLiteral("O período de 2005 dos administradores não foi criado."));
    Administrador medico;
    medico.idPsoa = diretor;
    medico.nome = QStringLiteral("PAULO HENRIQUE SOUZA MARTINS");
    medico.cargo = QStringLiteral("DIRETOR MÉDICO");
    medico.inicioMandato = QDate(2004, 4, 1);
    medico.responsavelTecnico = true;
    medico.tipoResponsavel = QStringLiteral("M");
    medico.conselho = QStringLiteral("84512");
    administradores.Grava(atual, medico, true);
    Representante representante(db, codOper);
    if (!representante.periodos().Existe(atual) && !representante.periodos().IncluiPeriodo(atual))
        throw ErroBanco(QStringLiteral("O período de 2005 do representante não foi criado."));
    representante.Grava(atual, diretor);

    // Quadro 5 from 2005: the quotas split between the medical director and a holding
    // company; Quadro 7: the branch in Campinas.
    auto empresa = [&](const QString &nome, const QString &cnpj, const QString &logradouro, const QString &numero,
                       const QString &bairro, const QString &cep, int idMunc) {
        if (pessoas.ConfereDocumento(cnpj, QStringLiteral("J"), 0) != CadastroPessoas::SituacaoDocumento::Valido)
            throw ErroBanco(QStringLiteral("CNPJ de demonstração recusado: %1").arg(cnpj));
        DadosPessoa e;
        e.tipo = QStringLiteral("J");
        e.nome = nome;
        e.documento = cnpj;
        e.segundoNome = nome;
        e.logradouro = logradouro;
        e.numero = numero;
        e.bairro = bairro;
        e.cep = cep;
        e.idMunc = idMunc;
        return pessoas.Inclui(e);
    };
    const int holding = empresa(QStringLiteral("EXEMPLO PARTICIPAÇÕES S/A"), QStringLiteral("61273458000109"),
                                QStringLiteral("AVENIDA PAULISTA"), QStringLiteral("2000"), QStringLiteral("BELA VISTA"),
                                QStringLiteral("01310200"), 3550308);
    Acionistas acionistas(db, codOper);
    if (!acionistas.periodos().Existe(atual) && !acionistas.periodos().IncluiPeriodo(atual))
        throw ErroBanco(QStringLiteral("O período de 2005 dos acionistas não foi criado."));
    acionistas.GravaCabecalho(atual, {1000000, false, {}});
    for (const auto &[idPsoa, quotas, rede] : {std::tuple{diretor, qint64(600000), QString()}, std::tuple{holding, qint64(400000), QStringLiteral("F")}}) {
        Participacao quotista;
        quotista.idPsoa = idPsoa;
        quotista.quantidade = quotas;
        quotista.redePropria = rede;
        if (!acionistas.participacoes().Grava(atual, quotista))
            throw ErroBanco(QStringLiteral("Acionista de demonstração repetido."));
    }
    const int filial = empresa(QStringLiteral("SAÚDE EXEMPLO - FILIAL CAMPINAS"), QStringLiteral("45781236000221"),
                               QStringLiteral("AVENIDA NORTE-SUL"), QStringLiteral("850"), QStringLiteral("CAMBUÍ"),
                               QStringLiteral("13025320"), 3509502);
    Telefone telefoneFilial;
    telefoneFilial.ddd = QStringLiteral("19");
    telefoneFilial.numero = QStringLiteral("32514400");
    pessoas.GravaTelefone(filial, pessoas.Carrega(filial)->dataDados, telefoneFilial);
    Dependencias dependencias(db, codOper);
    if (!dependencias.periodos().Existe(atual) && !dependencias.periodos().IncluiPeriodo(atual))
        throw ErroBanco(QStringLiteral("O período de 2005 das dependências não foi criado."));
    Dependencia d;
    d.idPsoa = filial;
    d.tipo = 1;
    if (!dependencias.Grava(atual, d, true))
        throw ErroBanco(QStringLiteral("Dependência de demonstração repetida."));
    transacao.confirmar();
}

} // namespace kelpa
