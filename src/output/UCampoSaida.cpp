#include "output/UCampoSaida.h"

#include "panel/UErro.h"

namespace {
QString nomeDoPainel(int painel)
{
    static const char16_t *const nomes[] = {u"Frontal", u"Lateral", u"Traseiro", u"Frontal Aux."};
    const QString numero = QStringLiteral("painel %1").arg(painel);
    if (painel < 1 || painel > 4)
        return numero;
    return QStringLiteral("%1 (%2)").arg(numero, QString::fromUtf16(nomes[painel - 1]));
}
}

TOrigemCampo TOrigemCampo::Destino(int numero, int painel)
{
    return TOrigemCampo(QStringLiteral("Destino %1 do %2").arg(numero).arg(nomeDoPainel(painel)));
}

TOrigemCampo TOrigemCampo::Extra(int numero, int painel)
{
    return TOrigemCampo(QStringLiteral("Extra %1 do %2").arg(numero).arg(nomeDoPainel(painel)));
}

TOrigemCampo TOrigemCampo::Painel(int painel)
{
    QString nome = nomeDoPainel(painel);
    nome[0] = nome[0].toUpper();
    return TOrigemCampo(nome);
}

TOrigemCampo TOrigemCampo::Arquivo()
{
    return TOrigemCampo(QStringLiteral("Arquivo"));
}

void TOrigemCampo::Verificar(qint64 valor, qint64 minimo, qint64 maximo, const QString &campo) const
{
    if (valor >= minimo && valor <= maximo)
        return;
    throw TErro(QStringLiteral("ATENÇÃO:\r\n%1: o campo \"%2\" vale %3 e aceita somente valores de %4 a %5.\r\n"
                               "O arquivo não foi gerado.")
                    .arg(descricao, campo)
                    .arg(valor)
                    .arg(minimo)
                    .arg(maximo));
}

void TOrigemCampo::Recusar(const QString &motivo) const
{
    throw TErro(QStringLiteral("ATENÇÃO:\r\n%1: %2\r\nO arquivo não foi gerado.").arg(descricao, motivo));
}

quint8 TOrigemCampo::Byte(qint64 valor, const QString &campo) const
{
    Verificar(valor, 0, 0xFF, campo);
    return quint8(valor);
}

quint16 TOrigemCampo::Palavra(qint64 valor, const QString &campo) const
{
    Verificar(valor, 0, 0xFFFF, campo);
    return quint16(valor);
}

quint32 TOrigemCampo::DuplaPalavra(qint64 valor, const QString &campo) const
{
    Verificar(valor, 0, 0xFFFFFFFFLL, campo);
    return quint32(valor);
}
