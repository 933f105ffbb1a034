#include "RegistroQuadros.h"

namespace kelpa {

QMap<int, RegistroQuadros::Fabrica> &RegistroQuadros::fabricas()
{
    static QMap<int, Fabrica> mapa;
    return mapa;
}

void RegistroQuadros::registrar(int numero, Fabrica fabrica)
{
    fabricas().insert(numero, std::move(fabrica));
}

bool RegistroQuadros::disponivel(int numero)
{
    return fabricas().contains(numero);
}

TfraModeloQuadroPeriodo *RegistroQuadros::criar(int numero, ContextoQuadro &contexto, const QString &tipoConta, QWidget *pai)
{
    const auto it = fabricas().constFind(numero);
    return it == fabricas().constEnd() ? nullptr : (*it)(contexto, tipoConta, pai);
}

void RegistroQuadros::limpar()
{
    fabricas().clear();
}

QString RegistroQuadros::mensagemIndisponivel()
{
    return QStringLiteral("Este quadro ainda não está disponível nesta versão do KELPA.");
}

} // namespace kelpa
