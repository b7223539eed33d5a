#include "output/UGeracaoArquivo.h"

#include "output/UGravacaoArquivo.h"
#include "panel/UErro.h"

TGeracaoArquivo::TGeracaoArquivo()
{
    Reiniciar();
}

void TGeracaoArquivo::Reiniciar()
{
    LimparTabelas();
    paineis.clear();
    tipoArquivo = 0;
}

void TGeracaoArquivo::LimparTabelas()
{
    tabelasDestinos.Limpar();
    tabelasExtras.Limpar();
    tabelasFontes.Limpar();
    fontes.clear();
    maiorDestino = maiorExtra = qtdTabelasFontes = 0;
}

TPainel &TGeracaoArquivo::ObterPainel(int numero)
{
    if (numero < 1 || numero > QtdSlotsArquivo)
        throw TErro(QStringLiteral("ATENÇÃO:\r\nPainel %1 inexistente: o arquivo tem os painéis 1 a %2.")
                        .arg(numero)
                        .arg(QtdSlotsArquivo));
    for (const auto &p : paineis)
        if (p->Numero() == numero)
            return *p;
    paineis.push_back(std::make_unique<TPainel>(numero));
    return *paineis.back();
}

TTabela *TGeracaoArquivo::TabelaFonte(int fonte, bool criar)
{
    const bool existia = tabelasFontes.Tabela(1, fonte, false) != nullptr;
    TTabela *tabela = tabelasFontes.Tabela(1, fonte, criar);
    if (tabela && !existia)
        ++qtdTabelasFontes;
    return tabela;
}

int TGeracaoArquivo::IndiceDaFonte(int fonte)
{
    if (!fontes.contains(fonte))
        fontes.append(fonte);
    return int(fontes.indexOf(fonte)) + 1;
}

QByteArray TGeracaoArquivo::GerarBytes()
{
    LimparTabelas();
    for (int n = 1; n <= QtdSlotsArquivo; ++n) {
        TPainel &painel = ObterPainel(n);
        VerificarPainel(painel);
        GerarTabelasDestinos(painel);
        GerarTabelasExtras(painel);
        GerarTabelasFontes(painel);
    }
    return MontarArquivo();
}

bool TGeracaoArquivo::GerarArquivo()
{
    if (nomeArquivo.trimmed().isEmpty())
        throw TErro(QStringLiteral("ATENÇÃO: Nome do arquivo não foi informado."));
    const QByteArray bytes = GerarBytes();
    return GravarArquivoSaida(nomeArquivo, bytes, ConfirmarSobrescrita, GravarNoDisco);
}
