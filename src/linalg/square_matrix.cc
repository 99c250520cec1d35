#include "linalg/square_matrix.h"

#include <cstddef>

namespace kora {

using std::size_t;

std::vector<double> Identity(int m) {
  std::vector<double> a(static_cast<size_t>(m) * m, 0.0);
  for (int i = 0; i < m; ++i) a[static_cast<size_t>(i) * m + i] = 1.0;
  return a;
}

std::vector<double> Transpose(const std::vector<double>& a, int m) {
  std::vector<double> t(a.size());
  for (int i = 0; i < m; ++i)
    for (int k = 0; k < m; ++k) t[static_cast<size_t>(k) * m + i] = a[static_cast<size_t>(i) * m + k];
  return t;
}

std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& b, int m) {
  std::vector<double> c(static_cast<size_t>(m) * m, 0.0);
  for (int i = 0; i < m; ++i)
    for (int l = 0; l < m; ++l) {
      const double ail = a[static_cast<size_t>(i) * m + l];
      for (int k = 0; k < m; ++k)
        c[static_cast<size_t>(i) * m + k] += ail * b[static_cast<size_t>(l) * m + k];
    }
  return c;
}

std::vector<double> MultiplyTransposed(const std::vector<double>& a, const std::vector<double>& b, int m) {
  std::vector<double> c(static_cast<size_t>(m) * m, 0.0);
  for (int i = 0; i < m; ++i)
    for (int k = 0; k < m; ++k) {
      double s = 0.0;
      for (int l = 0; l < m; ++l) s += a[static_cast<size_t>(i) * m + l] * b[static_cast<size_t>(k) * m + l];
      c[static_cast<size_t>(i) * m + k] = s;
    }
  return c;
}

std::vector<double> Subtract(std::vector<double> a, const std::vector<double>& b) {
  for (size_t i = 0; i < a.size(); ++i) a[i] -= b[i];
  return a;
}

std::vector<double> InverseLower(const std::vector<double>& l, int m) {
  std::vector<double> w(static_cast<size_t>(m) * m, 0.0);
  for (int col = 0; col < m; ++col) {
    w[static_cast<size_t>(col) * m + col] = 1.0 / l[static_cast<size_t>(col) * m + col];
    for (int i = col + 1; i < m; ++i) {
      double s = 0.0;
      for (int k = col; k < i; ++k)
        s -= l[static_cast<size_t>(i) * m + k] * w[static_cast<size_t>(k) * m + col];
      w[static_cast<size_t>(i) * m + col] = s / l[static_cast<size_t>(i) * m + i];
    }
  }
  return w;
}

}  // namespace kora
