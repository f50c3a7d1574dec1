// How the closing import reads the service's texts: amounts in either
// decimal form and phones split at "-".

#include <gtest/gtest.h>

#include "fi_brasil/closing/valores_servico.h"
#include "support/expect_error.h"

namespace veiculo::fi_brasil {
namespace {

TEST(ClosingValues, AmountsComeWithAPointOrInTheLocalForm) {
  const std::pair<const char*, double> cases[] = {{"45000.00", 45000},
                                                  {"45.000,00", 45000},
                                                  {"250,50", 250.5},
                                                  {" -30.5 ", -30.5},
                                                  {"", 0},
                                                  {"12", 12},
                                                  {"1.234.567,8", 1234567.8}};
  for (const auto& [texto, valor] : cases)
    EXPECT_DOUBLE_EQ(ValorServico(texto, "v"), valor) << texto;
  for (const char* ruim : {"abc", "1.2.3", "12a", "-"})
    EXPECT_VEICULO_ERROR(
        ValorServico(ruim, "valorTroco"), ErrorCategory::Validation,
        std::string("F&I Brasil sent '") + ruim + "' as valorTroco, which is not a number");
}

TEST(ClosingValues, PhonesSplitAtTheHyphenWithinTheirLimits) {
  struct Case {
    const char* texto;
    int64_t ddd, numero;
  };
  const Case cases[] = {{"11-3333.4444", 11, 33334444},
                        {"11-9.8765.4321", 11, 987654321},
                        {"100-1234.5678", 0, 12345678},
                        {"xx-1234", 0, 1234},
                        {"21-1.0000.0000.0", 21, 0},
                        {"33334444", 0, 0},
                        {"", 0, 0}};
  for (const Case& c : cases) {
    const Telefone t = SeparaTelefone(c.texto);
    EXPECT_EQ(t.ddd, c.ddd) << c.texto;
    EXPECT_EQ(t.numero, c.numero) << c.texto;
  }
}

}  // namespace
}  // namespace veiculo::fi_brasil
