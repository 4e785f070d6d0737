#pragma once

// A 3 × 3 matrix of an affine map of the plane, element (row, column), both
// counted from 0; the last row of a map's matrix is (0, 0, 1).
struct Matrix3 {
  double m[3][3] = {};
};

void Set(Matrix3 &m, int row, int col, double value);
double Get(const Matrix3 &m, int row, int col);

Matrix3 Identity();
Matrix3 ScaleMatrix(double sx, double sy);
Matrix3 RotationMatrix(double angle); // radians, counter-clockwise
Matrix3 ShearMatrix(double p, double q);

// The ordinary product B × A: the second argument stands on the left, so
// Product(A, B) is "A, then B" when the matrices act on column vectors.
Matrix3 Product(const Matrix3 &A, const Matrix3 &B);
