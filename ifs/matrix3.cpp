#include "ifs/matrix3.h"

#include <cassert>
#include <cmath>

namespace {

constexpr int kSize = 3;

[[maybe_unused]] bool IsElement(int row, int col) {
  return row >= 0 && row < kSize && col >= 0 && col < kSize;
}

} // namespace

void Set(Matrix3 &m, int row, int col, double value) {
  assert(IsElement(row, col));
  m.m[row][col] = value;
}

double Get(const Matrix3 &m, int row, int col) {
  assert(IsElement(row, col));
  return m.m[row][col];
}

Matrix3 Identity() {
  Matrix3 m;
  for (int i = 0; i < kSize; ++i)
    m.m[i][i] = 1.0;
  return m;
}

Matrix3 ScaleMatrix(double sx, double sy) {
  Matrix3 m = Identity();
  m.m[0][0] = sx;
  m.m[1][1] = sy;
  return m;
}

Matrix3 RotationMatrix(double angle) {
  Matrix3 m = Identity();
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  m.m[0][0] = c;
  m.m[0][1] = -s;
  m.m[1][0] = s;
  m.m[1][1] = c;
  return m;
}

Matrix3 ShearMatrix(double p, double q) {
  Matrix3 m = Identity();
  m.m[0][1] = p;
  m.m[1][0] = q;
  return m;
}

Matrix3 Product(const Matrix3 &A, const Matrix3 &B) {
  Matrix3 result;
  for (int row = 0; row < kSize; ++row)
    for (int col = 0; col < kSize; ++col) {
      double sum = 0.0;
      for (int k = 0; k < kSize; ++k)
        sum += B.m[row][k] * A.m[k][col];
      result.m[row][col] = sum;
    }
  return result;
}
