#include "RegistroRelatorios.h"

#include "TqrpAcionistascotistas.h"
#include "TqrpAdministradores.h"
#include "TqrpAvisoValidacao.h"
#include "TqrpBalPatrAtivo.h"
#include "TqrpBalPatrPassivo.h"
#include "TqrpCadastro.h"
#include "TqrpContraprestacoesLiquida.h"
#include "TqrpControladasColigadas.h"
#include "TqrpDadosBasicos.h"
#include "TqrpDependencias.h"
#include "TqrpDespesasComercializacao.h"
#include "TqrpDistrIdadeSaldo.h"
#include "TqrpFluxoCaixa.h"
#include "TqrpLucrosPrejuizos.h"
#include "TqrpRecProvSus.h"
#include "TqrpProvisoesTecnicas.h"
#include "TqrpRegiaoAtuacao.h"
#include "TqrpRepresentante.h"
#include "TqrpResEvenIndLiq.h"
#include "TqrpResultadoExercicio.h"
#include "TqrpValidaCampos.h"

namespace kelpa::relatorios {

namespace {

template<typename T>
std::function<void(ImpressaoComposta &)> apenas()
{
    return [](ImpressaoComposta &i) { i.adicionar(std::make_unique<T>()); };
}

template<typename T, typename Parte>
std::function<void(ImpressaoComposta &)> duasPartes(Parte primeira, Parte segunda)
{
    return [primeira, segunda](ImpressaoComposta &i) {
        i.adicionar(std::make_unique<T>(primeira));
        i.adicionar(std::make_unique<T>(segunda));
    };
}

} // namespace

const QList<FormaImpressao> &RegistroRelatorios::formas()
{
    static const QList<FormaImpressao> lista = {
        // The region of operation follows the registration only when it has
        // municipalities to show; it is never named as a report without data.
        {QStringLiteral("1"), QStringLiteral("Quadro 1: Cadastro"),
         [](ImpressaoComposta &i) {
             i.adicionar(std::make_unique<TqrpCadastro>());
             i.adicionar(std::make_unique<TqrpRegiaoAtuacao>());
         },
         [](const ImpressaoComposta &i) {
             return i.relatorio(0).vazio() ? ImpressaoComposta::mensagemSemDados({i.relatorio(0).legenda()}) : QString();
         }},
        {QStringLiteral("2"), QStringLiteral("Quadro 2: Dados Básicos"), apenas<TqrpDadosBasicos>(), {}},
        {QStringLiteral("3"), QStringLiteral("Quadro 3: Administradores"), apenas<TqrpAdministradores>(), {}},
        {QStringLiteral("4"), QStringLiteral("Quadro 4: Representante junto à QOR"), apenas<TqrpRepresentante>(), {}},
        // A sponsored self-management operator never prints its shareholders, and is
        // not told they are missing.
        {QStringLiteral("5"), QStringLiteral("Quadro 5: Acionistas / Quotistas"), apenas<TqrpAcionistascotistas>(),
         [](const ImpressaoComposta &i) {
             const auto &acionistas = static_cast<const TqrpAcionistascotistas &>(i.relatorio(0));
             return acionistas.foraDoQuadro() ? QString() : ImpressaoComposta::mensagemSemDados({acionistas.legenda()});
         }},
        {QStringLiteral("6"), QStringLiteral("Quadro 6: Controladas / Coligadas"), apenas<TqrpControladasColigadas>(), {}},
        {QStringLiteral("7"), QStringLiteral("Quadro 7: Dependências"), apenas<TqrpDependencias>(), {}},
        {QStringLiteral("8"), QStringLiteral("Quadro 8: Contraprestações/Prêmios do Trimestre"),
         apenas<TqrpContraprestacoesLiquida>(), {}},
        {QStringLiteral("8A"), QStringLiteral("Quadro 8A: Receitas Provenientes do SUS do Trimestre"), apenas<TqrpRecProvSus>(), {}},
        {QStringLiteral("9"), QStringLiteral("Quadro 9: Eventos/Sinistros do Trimestre"), apenas<TqrpEventosIndenizaveis>(), {}},
        {QStringLiteral("9A"), QStringLiteral("Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre"),
         apenas<TqrpResEvenIndLiq>(), {}},
        {QStringLiteral("10"), QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre"),
         apenas<TqrpDespesasComercializacao>(), {}},
        {QStringLiteral("11"), QStringLiteral("Quadro 11: Balanço Patrimonial - Ativo"), apenas<TqrpBalPatrAtivo>(), {}},
        {QStringLiteral("12"), QStringLiteral("Quadro 12: Balanço Patrimonial - Passivo"), apenas<TqrpBalPatrPassivo>(), {}},
        {QStringLiteral("13"), QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"),
         apenas<TqrpResultadoExercicio>(), {}},
        // From 2007 the provisions are printed with the liabilities: such a quarter
        // has nothing here and is not named as a report without data.
        {QStringLiteral("14"), QStringLiteral("Quadro 14: Provisões Técnicas"), apenas<TqrpProvisoesTecnicas>(),
         [](const ImpressaoComposta &i) {
             const auto &provisoes = static_cast<const TqrpProvisoesTecnicas &>(i.relatorio(0));
             return provisoes.vazio() && !provisoes.foraDoQuadro() ? ImpressaoComposta::mensagemSemDados({provisoes.legenda()})
                                                                  : QString();
         }},
        {QStringLiteral("15"), QStringLiteral("Quadro 15: Fluxo de Caixa"),
         duasPartes<TqrpFluxoCaixa>(TqrpFluxoCaixa::Parte::Sintetico, TqrpFluxoCaixa::Parte::Analitico), {}},
        {QStringLiteral("15A"), QStringLiteral("Quadro 15A: Distribuição por Idade de Saldo"),
         duasPartes<TqrpDistrIdadeSaldo>(TqrpDistrIdadeSaldo::Parte::Ativo, TqrpDistrIdadeSaldo::Parte::Passivo), {}},
        {QStringLiteral("16"), QStringLiteral("Quadro 16: Lucros ou Prejuízos"), apenas<TqrpLucrosPrejuizos>(), {}},
        {QStringLiteral("VALIDACAO"), QStringLiteral("Validação dos Dados: erros e avisos"),
         [](ImpressaoComposta &i) {
             i.adicionar(std::make_unique<TqrpValidaCampos>());
             i.adicionar(std::make_unique<TqrpAvisoValidacao>());
         },
         [](const ImpressaoComposta &i) {
             return TqrpListaValidacao::mensagemListasVazias(i.relatorio(0).vazio(), i.relatorio(1).vazio());
         }},
    };
    return lista;
}

QString RegistroRelatorios::normalizar(const QString &chave)
{
    QString c = chave.trimmed().toUpper();
    if (c.startsWith(QStringLiteral("QUADRO")))
        c = c.mid(6).trimmed();
    // A quadro's title names it: "Quadro 15A: Distribuição por Idade de Saldos".
    const qsizetype doisPontos = c.indexOf(u':');
    if (doisPontos >= 0)
        c = c.left(doisPontos).trimmed();
    if (c == QStringLiteral("VALIDAÇÃO"))
        c = QStringLiteral("VALIDACAO");
    return c;
}

const FormaImpressao *RegistroRelatorios::localizar(const QString &chave)
{
    const QString c = normalizar(chave);
    for (const FormaImpressao &f : formas())
        if (f.chave == c)
            return &f;
    return nullptr;
}

QString RegistroRelatorios::mensagemSemDados(const FormaImpressao &forma, const ImpressaoComposta &impressao)
{
    QStringList semDados = impressao.legendasSemDados();
    if (semDados.isEmpty())
        return {};
    if (forma.mensagemSemDados)
        return forma.mensagemSemDados(impressao);
    // A quadro printed in two parts is named once.
    semDados.removeDuplicates();
    return ImpressaoComposta::mensagemSemDados(semDados);
}

} // namespace kelpa::relatorios
