#include "RegistroRelatorios.h"

#include "TqrpAvisoValidacao.h"
#include "TqrpValidaCampos.h"

namespace kelpa::relatorios {

namespace {

template<typename T>
std::function<void(ImpressaoComposta &)> apenas()
{
    return [](ImpressaoComposta &i) { i.adicionar(std::make_unique<T>()); };
}

} // namespace

const QList<FormaImpressao> &RegistroRelatorios::formas()
{
    static const QList<FormaImpressao> lista = {
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
    const QStringList semDados = impressao.legendasSemDados();
    if (semDados.isEmpty())
        return {};
    if (forma.mensagemSemDados)
        return forma.mensagemSemDados(impressao);
    return ImpressaoComposta::mensagemSemDados(semDados);
}

} // namespace kelpa::relatorios
