-- The survey database myd.mdb: tables, set-up rows and saved queries.
-- The build runs this file once, with the sqlite3 shell, when the application folder has no myd.mdb.
-- Plain SQL only (INTEGER/VARCHAR, nothing one engine alone understands), so another engine can load it too.

-- Surveys: number, time as typed, description. The program reads the columns by position.
CREATE TABLE mydjb (
  dcxh INTEGER NOT NULL PRIMARY KEY,  -- 调查序号
  dcsj VARCHAR(50) NOT NULL,          -- 调查时间
  dcsm VARCHAR(255) NOT NULL          -- 调查说明
);

-- Departments of the patient questionnaire's first question: number (1..n in stored order), code (not read), name.
CREATE TABLE jyks (
  ksbh INTEGER NOT NULL PRIMARY KEY,
  ksdm VARCHAR(20),
  ksmc VARCHAR(50) NOT NULL
);

-- Patient answer rows: survey number, department (question 1), answer codes of questions 2 to 28.
CREATE TABLE brwjdcxx (
  id INTEGER NOT NULL,
  jyks1 INTEGER,              -- 1 就诊科室
  zy2 INTEGER,                -- 2 职业
  yb3 INTEGER,                -- 3 医保工作人员
  dy4 INTEGER,                -- 4 导医人员
  ystd5 INTEGER,              -- 5 医生服务态度
  ysjs6 INTEGER,              -- 6 医生技术
  hstd7 INTEGER,              -- 7 护士服务态度
  hsjs8 INTEGER,              -- 8 护士技术
  rygh9 INTEGER,              -- 9 入院处、挂号处
  jy10 INTEGER,               -- 10 检验科
  fs11 INTEGER,               -- 11 放射科
  gn12 INTEGER,               -- 12 功能科
  bl13 INTEGER,               -- 13 病理科
  tw14 INTEGER,               -- 14 同位素室
  ct15 INTEGER,               -- 15 CT、磁共振室
  mz16 INTEGER,               -- 16 麻醉科
  ssh17 INTEGER,              -- 17 手术室
  cf18 INTEGER,               -- 18 产房
  sf19 INTEGER,               -- 19 收费室及结帐处
  ss20 INTEGER,               -- 20 膳食
  ws21 INTEGER,               -- 21 卫生条件
  bf22 INTEGER,               -- 22 病房整洁
  hd23 INTEGER,               -- 23 红灯呼叫
  xs24 INTEGER,               -- 24 护士巡视
  yl25 INTEGER,               -- 25 医疗护理措施
  jd26 INTEGER,               -- 26 解答问题
  sy27 INTEGER,               -- 27 索要钱物
  yq28 INTEGER                -- 28 宴请
);

-- Work table of the patient report: the columns of brwjdcxx, same names, order and types.
CREATE TABLE reporttemp (
  id INTEGER NOT NULL,
  jyks1 INTEGER,              -- 1 就诊科室
  zy2 INTEGER,                -- 2 职业
  yb3 INTEGER,                -- 3 医保工作人员
  dy4 INTEGER,                -- 4 导医人员
  ystd5 INTEGER,              -- 5 医生服务态度
  ysjs6 INTEGER,              -- 6 医生技术
  hstd7 INTEGER,              -- 7 护士服务态度
  hsjs8 INTEGER,              -- 8 护士技术
  rygh9 INTEGER,              -- 9 入院处、挂号处
  jy10 INTEGER,               -- 10 检验科
  fs11 INTEGER,               -- 11 放射科
  gn12 INTEGER,               -- 12 功能科
  bl13 INTEGER,               -- 13 病理科
  tw14 INTEGER,               -- 14 同位素室
  ct15 INTEGER,               -- 15 CT、磁共振室
  mz16 INTEGER,               -- 16 麻醉科
  ssh17 INTEGER,              -- 17 手术室
  cf18 INTEGER,               -- 18 产房
  sf19 INTEGER,               -- 19 收费室及结帐处
  ss20 INTEGER,               -- 20 膳食
  ws21 INTEGER,               -- 21 卫生条件
  bf22 INTEGER,               -- 22 病房整洁
  hd23 INTEGER,               -- 23 红灯呼叫
  xs24 INTEGER,               -- 24 护士巡视
  yl25 INTEGER,               -- 25 医疗护理措施
  jd26 INTEGER,               -- 26 解答问题
  sy27 INTEGER,               -- 27 索要钱物
  yq28 INTEGER                -- 28 宴请
);

-- Medical-technical answer rows: survey number, then the answers of the 17 departments in page order.
CREATE TABLE yjdcxx (
  id INTEGER NOT NULL,
  jy1 INTEGER, jy2 INTEGER, jy3 INTEGER, jy4 INTEGER, jy5 INTEGER,  -- 检验科
  fs1 INTEGER, fs2 INTEGER, fs3 INTEGER, fs4 INTEGER, fs5 INTEGER, fs6 INTEGER,  -- 放射科
  bl1 INTEGER, bl2 INTEGER, bl3 INTEGER, bl4 INTEGER, bl5 INTEGER,  -- 病理科
  gn1 INTEGER, gn2 INTEGER, gn3 INTEGER, gn4 INTEGER, gn5 INTEGER,  -- 功能科
  ct1 INTEGER, ct2 INTEGER, ct3 INTEGER, ct4 INTEGER,  -- CT、磁共振室
  tw1 INTEGER, tw2 INTEGER, tw3 INTEGER, tw4 INTEGER,  -- 同位素室
  zp1 INTEGER, zp2 INTEGER, zp3 INTEGER,  -- 中普制剂室
  zy1 INTEGER, zy2 INTEGER, zy3 INTEGER, zy4 INTEGER,  -- 中药房
  xy1 INTEGER, xy2 INTEGER, xy3 INTEGER, xy4 INTEGER,  -- 西药房
  xk1 INTEGER, xk2 INTEGER, xk3 INTEGER,  -- 西药库房
  ss1 INTEGER, ss2 INTEGER, ss3 INTEGER, ss4 INTEGER,  -- 手术室
  gy1 INTEGER, gy2 INTEGER, gy3 INTEGER,  -- 供应室
  ps1 INTEGER, ps2 INTEGER, ps3 INTEGER,  -- 配送中心
  sx1 INTEGER, sx2 INTEGER, sx3 INTEGER,  -- 输血科
  yy1 INTEGER, yy2 INTEGER,  -- 营养室
  yj1 INTEGER, yj2 INTEGER, yj3 INTEGER,  -- 药剂科
  yp1 INTEGER, yp2 INTEGER  -- 药品分析室
);

-- Work table of the medical-technical report: the columns of yjdcxx, same names, order and types.
CREATE TABLE reporttempyj (
  id INTEGER NOT NULL,
  jy1 INTEGER, jy2 INTEGER, jy3 INTEGER, jy4 INTEGER, jy5 INTEGER,  -- 检验科
  fs1 INTEGER, fs2 INTEGER, fs3 INTEGER, fs4 INTEGER, fs5 INTEGER, fs6 INTEGER,  -- 放射科
  bl1 INTEGER, bl2 INTEGER, bl3 INTEGER, bl4 INTEGER, bl5 INTEGER,  -- 病理科
  gn1 INTEGER, gn2 INTEGER, gn3 INTEGER, gn4 INTEGER, gn5 INTEGER,  -- 功能科
  ct1 INTEGER, ct2 INTEGER, ct3 INTEGER, ct4 INTEGER,  -- CT、磁共振室
  tw1 INTEGER, tw2 INTEGER, tw3 INTEGER, tw4 INTEGER,  -- 同位素室
  zp1 INTEGER, zp2 INTEGER, zp3 INTEGER,  -- 中普制剂室
  zy1 INTEGER, zy2 INTEGER, zy3 INTEGER, zy4 INTEGER,  -- 中药房
  xy1 INTEGER, xy2 INTEGER, xy3 INTEGER, xy4 INTEGER,  -- 西药房
  xk1 INTEGER, xk2 INTEGER, xk3 INTEGER,  -- 西药库房
  ss1 INTEGER, ss2 INTEGER, ss3 INTEGER, ss4 INTEGER,  -- 手术室
  gy1 INTEGER, gy2 INTEGER, gy3 INTEGER,  -- 供应室
  ps1 INTEGER, ps2 INTEGER, ps3 INTEGER,  -- 配送中心
  sx1 INTEGER, sx2 INTEGER, sx3 INTEGER,  -- 输血科
  yy1 INTEGER, yy2 INTEGER,  -- 营养室
  yj1 INTEGER, yj2 INTEGER, yj3 INTEGER,  -- 药剂科
  yp1 INTEGER, yp2 INTEGER  -- 药品分析室
);

-- Functional-department answer rows: survey number, then the answers of the 24 units in report order.
CREATE TABLE zndcxx (
  id INTEGER NOT NULL,
  yb1 INTEGER, yb2 INTEGER, yb3 INTEGER, yb4 INTEGER,  -- 院办公室
  dw1 INTEGER, dw2 INTEGER, dw3 INTEGER, dw4 INTEGER, dw5 INTEGER,  -- 党委办公室
  jj1 INTEGER, jj2 INTEGER, jj3 INTEGER, jj4 INTEGER,  -- 纪检、监察处
  rs1 INTEGER, rs2 INTEGER, rs3 INTEGER, rs4 INTEGER, rs5 INTEGER, rs6 INTEGER,  -- 人事处
  hl1 INTEGER, hl2 INTEGER, hl3 INTEGER, hl4 INTEGER, hl5 INTEGER,  -- 护理部
  yj1 INTEGER, yj2 INTEGER, yj3 INTEGER, yj4 INTEGER, yj5 INTEGER, yj6 INTEGER,  -- 医教处
  sb1 INTEGER, sb2 INTEGER, sb3 INTEGER, sb4 INTEGER,  -- 设备处
  cw1 INTEGER, cw2 INTEGER, cw3 INTEGER, cw4 INTEGER, cw5 INTEGER,  -- 财务处
  bw1 INTEGER, bw2 INTEGER, bw3 INTEGER, bw4 INTEGER, bw5 INTEGER,  -- 保卫处
  mz1 INTEGER, mz2 INTEGER, mz3 INTEGER, mz4 INTEGER, mz5 INTEGER,  -- 门诊部办公室
  gr1 INTEGER, gr2 INTEGER, gr3 INTEGER, gr4 INTEGER,  -- 感染科
  yf1 INTEGER, yf2 INTEGER,  -- 对外医疗服务处
  wg1 INTEGER, wg2 INTEGER,  -- 网络管理室
  xx1 INTEGER, xx2 INTEGER, xx3 INTEGER, xx4 INTEGER, xx5 INTEGER,  -- 信息科
  bj1 INTEGER, bj2 INTEGER, bj3 INTEGER,  -- 保健科
  cd1 INTEGER, cd2 INTEGER, cd3 INTEGER,  -- 车队
  zw1 INTEGER, zw2 INTEGER, zw3 INTEGER,  -- 总务处
  gl1 INTEGER, gl2 INTEGER,  -- 锅炉房
  sg1 INTEGER, sg2 INTEGER, sg3 INTEGER, sg4 INTEGER,  -- 水管维修组
  dg1 INTEGER, dg2 INTEGER, dg3 INTEGER, dg4 INTEGER,  -- 电工房
  mg1 INTEGER, mg2 INTEGER, mg3 INTEGER,  -- 木工房
  dt1 INTEGER, dt2 INTEGER, dt3 INTEGER,  -- 电梯房
  cf1 INTEGER, cf2 INTEGER, cf3 INTEGER,  -- 厨房
  xj1 INTEGER, xj2 INTEGER, xj3 INTEGER  -- 洗浆房
);

-- Work table of the functional-department report: the columns of zndcxx, same names, order and types.
CREATE TABLE reporttempzn (
  id INTEGER NOT NULL,
  yb1 INTEGER, yb2 INTEGER, yb3 INTEGER, yb4 INTEGER,  -- 院办公室
  dw1 INTEGER, dw2 INTEGER, dw3 INTEGER, dw4 INTEGER, dw5 INTEGER,  -- 党委办公室
  jj1 INTEGER, jj2 INTEGER, jj3 INTEGER, jj4 INTEGER,  -- 纪检、监察处
  rs1 INTEGER, rs2 INTEGER, rs3 INTEGER, rs4 INTEGER, rs5 INTEGER, rs6 INTEGER,  -- 人事处
  hl1 INTEGER, hl2 INTEGER, hl3 INTEGER, hl4 INTEGER, hl5 INTEGER,  -- 护理部
  yj1 INTEGER, yj2 INTEGER, yj3 INTEGER, yj4 INTEGER, yj5 INTEGER, yj6 INTEGER,  -- 医教处
  sb1 INTEGER, sb2 INTEGER, sb3 INTEGER, sb4 INTEGER,  -- 设备处
  cw1 INTEGER, cw2 INTEGER, cw3 INTEGER, cw4 INTEGER, cw5 INTEGER,  -- 财务处
  bw1 INTEGER, bw2 INTEGER, bw3 INTEGER, bw4 INTEGER, bw5 INTEGER,  -- 保卫处
  mz1 INTEGER, mz2 INTEGER, mz3 INTEGER, mz4 INTEGER, mz5 INTEGER,  -- 门诊部办公室
  gr1 INTEGER, gr2 INTEGER, gr3 INTEGER, gr4 INTEGER,  -- 感染科
  yf1 INTEGER, yf2 INTEGER,  -- 对外医疗服务处
  wg1 INTEGER, wg2 INTEGER,  -- 网络管理室
  xx1 INTEGER, xx2 INTEGER, xx3 INTEGER, xx4 INTEGER, xx5 INTEGER,  -- 信息科
  bj1 INTEGER, bj2 INTEGER, bj3 INTEGER,  -- 保健科
  cd1 INTEGER, cd2 INTEGER, cd3 INTEGER,  -- 车队
  zw1 INTEGER, zw2 INTEGER, zw3 INTEGER,  -- 总务处
  gl1 INTEGER, gl2 INTEGER,  -- 锅炉房
  sg1 INTEGER, sg2 INTEGER, sg3 INTEGER, sg4 INTEGER,  -- 水管维修组
  dg1 INTEGER, dg2 INTEGER, dg3 INTEGER, dg4 INTEGER,  -- 电工房
  mg1 INTEGER, mg2 INTEGER, mg3 INTEGER,  -- 木工房
  dt1 INTEGER, dt2 INTEGER, dt3 INTEGER,  -- 电梯房
  cf1 INTEGER, cf2 INTEGER, cf3 INTEGER,  -- 厨房
  xj1 INTEGER, xj2 INTEGER, xj3 INTEGER  -- 洗浆房
);

-- Set-up rows of jyks.
INSERT INTO jyks VALUES (1, '0101', '心血管内科');
INSERT INTO jyks VALUES (2, '0102', '呼吸内科');
INSERT INTO jyks VALUES (3, '0103', '消化内科');
INSERT INTO jyks VALUES (4, '0104', '神经内科');
INSERT INTO jyks VALUES (5, '0105', '肾内科');
INSERT INTO jyks VALUES (6, '0106', '内分泌科');
INSERT INTO jyks VALUES (7, '0107', '血液科');
INSERT INTO jyks VALUES (8, '0201', '普通外科');
INSERT INTO jyks VALUES (9, '0202', '骨科');
INSERT INTO jyks VALUES (10, '0203', '神经外科');
INSERT INTO jyks VALUES (11, '0204', '泌尿外科');
INSERT INTO jyks VALUES (12, '0205', '心胸外科');
INSERT INTO jyks VALUES (13, '0301', '妇科');
INSERT INTO jyks VALUES (14, '0302', '产科');
INSERT INTO jyks VALUES (15, '0401', '儿科');
INSERT INTO jyks VALUES (16, '0501', '眼科');
INSERT INTO jyks VALUES (17, '0502', '耳鼻咽喉科');
INSERT INTO jyks VALUES (18, '0503', '口腔科');
INSERT INTO jyks VALUES (19, '0601', '中医科');
INSERT INTO jyks VALUES (20, '0701', '急诊科');

-- ===================================================================================================
-- Saved queries (views) of the reports. They read the work tables above; add them below this line.
-- ===================================================================================================

-- Patient report, one view per question N (2..28), all over reporttemp.
-- jcN: one row per department number in reporttemp.jyks1, ascending (the order of
--   "select jyks1 from reporttemp group by jyks1"); field 0 the department number; jc4 then the department name
--   and its number of questionnaires, jc6/jc10/jc14/jc18/jc23 then the name; then one count per answer code of
--   the question, named by the code ("1", "2", ...), 0 where the department gave none.
-- The name comes from jyks; a number that jyks lacks shows as the number itself, never as Null.
-- jcNhj: one row per answer code of the question that occurs: the code, the number of rows holding it.

-- 2 职业 (codes 1-11: the sheet has no column for 12 其他)
CREATE VIEW jc2 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.zy2 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.zy2 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.zy2 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.zy2 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.zy2 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.zy2 = 6 THEN 1 ELSE 0 END) AS "6",
  SUM(CASE WHEN r.zy2 = 7 THEN 1 ELSE 0 END) AS "7",
  SUM(CASE WHEN r.zy2 = 8 THEN 1 ELSE 0 END) AS "8",
  SUM(CASE WHEN r.zy2 = 9 THEN 1 ELSE 0 END) AS "9",
  SUM(CASE WHEN r.zy2 = 10 THEN 1 ELSE 0 END) AS "10",
  SUM(CASE WHEN r.zy2 = 11 THEN 1 ELSE 0 END) AS "11"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc2hj AS
SELECT zy2 AS dm, COUNT(*) AS sl FROM reporttemp WHERE zy2 BETWEEN 1 AND 11 GROUP BY zy2;

-- 3 医保工作人员
CREATE VIEW jc3 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.yb3 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.yb3 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.yb3 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.yb3 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.yb3 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.yb3 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc3hj AS
SELECT yb3 AS dm, COUNT(*) AS sl FROM reporttemp WHERE yb3 BETWEEN 1 AND 6 GROUP BY yb3;

-- 4 导医人员
CREATE VIEW jc4 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc, COUNT(*) AS wjsl,
  SUM(CASE WHEN r.dy4 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.dy4 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.dy4 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.dy4 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.dy4 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc4hj AS
SELECT dy4 AS dm, COUNT(*) AS sl FROM reporttemp WHERE dy4 BETWEEN 1 AND 5 GROUP BY dy4;

-- 5 医生服务态度
CREATE VIEW jc5 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.ystd5 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ystd5 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ystd5 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ystd5 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ystd5 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc5hj AS
SELECT ystd5 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ystd5 BETWEEN 1 AND 5 GROUP BY ystd5;

-- 6 医生技术
CREATE VIEW jc6 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc,
  SUM(CASE WHEN r.ysjs6 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ysjs6 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ysjs6 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ysjs6 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ysjs6 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc6hj AS
SELECT ysjs6 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ysjs6 BETWEEN 1 AND 5 GROUP BY ysjs6;

-- 7 护士服务态度
CREATE VIEW jc7 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.hstd7 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.hstd7 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.hstd7 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.hstd7 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.hstd7 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.hstd7 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc7hj AS
SELECT hstd7 AS dm, COUNT(*) AS sl FROM reporttemp WHERE hstd7 BETWEEN 1 AND 6 GROUP BY hstd7;

-- 8 护士技术
CREATE VIEW jc8 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.hsjs8 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.hsjs8 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.hsjs8 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.hsjs8 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.hsjs8 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.hsjs8 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc8hj AS
SELECT hsjs8 AS dm, COUNT(*) AS sl FROM reporttemp WHERE hsjs8 BETWEEN 1 AND 6 GROUP BY hsjs8;

-- 9 入院处、挂号处
CREATE VIEW jc9 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.rygh9 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.rygh9 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.rygh9 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.rygh9 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.rygh9 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc9hj AS
SELECT rygh9 AS dm, COUNT(*) AS sl FROM reporttemp WHERE rygh9 BETWEEN 1 AND 5 GROUP BY rygh9;

-- 10 检验科
CREATE VIEW jc10 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc,
  SUM(CASE WHEN r.jy10 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.jy10 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.jy10 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.jy10 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.jy10 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.jy10 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc10hj AS
SELECT jy10 AS dm, COUNT(*) AS sl FROM reporttemp WHERE jy10 BETWEEN 1 AND 6 GROUP BY jy10;

-- 11 放射科
CREATE VIEW jc11 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.fs11 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.fs11 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.fs11 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.fs11 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.fs11 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.fs11 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc11hj AS
SELECT fs11 AS dm, COUNT(*) AS sl FROM reporttemp WHERE fs11 BETWEEN 1 AND 6 GROUP BY fs11;

-- 12 功能科
CREATE VIEW jc12 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.gn12 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.gn12 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.gn12 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.gn12 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.gn12 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.gn12 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc12hj AS
SELECT gn12 AS dm, COUNT(*) AS sl FROM reporttemp WHERE gn12 BETWEEN 1 AND 6 GROUP BY gn12;

-- 13 病理科
CREATE VIEW jc13 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.bl13 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.bl13 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.bl13 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.bl13 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.bl13 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.bl13 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc13hj AS
SELECT bl13 AS dm, COUNT(*) AS sl FROM reporttemp WHERE bl13 BETWEEN 1 AND 6 GROUP BY bl13;

-- 14 同位素室
CREATE VIEW jc14 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc,
  SUM(CASE WHEN r.tw14 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.tw14 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.tw14 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.tw14 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.tw14 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.tw14 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc14hj AS
SELECT tw14 AS dm, COUNT(*) AS sl FROM reporttemp WHERE tw14 BETWEEN 1 AND 6 GROUP BY tw14;

-- 15 CT、磁共振室
CREATE VIEW jc15 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.ct15 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ct15 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ct15 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ct15 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ct15 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.ct15 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc15hj AS
SELECT ct15 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ct15 BETWEEN 1 AND 6 GROUP BY ct15;

-- 16 麻醉科
CREATE VIEW jc16 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.mz16 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.mz16 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.mz16 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.mz16 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.mz16 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc16hj AS
SELECT mz16 AS dm, COUNT(*) AS sl FROM reporttemp WHERE mz16 BETWEEN 1 AND 5 GROUP BY mz16;

-- 17 手术室
CREATE VIEW jc17 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.ssh17 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ssh17 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ssh17 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ssh17 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ssh17 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc17hj AS
SELECT ssh17 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ssh17 BETWEEN 1 AND 5 GROUP BY ssh17;

-- 18 产房
CREATE VIEW jc18 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc,
  SUM(CASE WHEN r.cf18 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.cf18 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.cf18 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.cf18 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.cf18 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc18hj AS
SELECT cf18 AS dm, COUNT(*) AS sl FROM reporttemp WHERE cf18 BETWEEN 1 AND 5 GROUP BY cf18;

-- 19 收费室及结帐处
CREATE VIEW jc19 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.sf19 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.sf19 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.sf19 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.sf19 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.sf19 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc19hj AS
SELECT sf19 AS dm, COUNT(*) AS sl FROM reporttemp WHERE sf19 BETWEEN 1 AND 5 GROUP BY sf19;

-- 20 膳食
CREATE VIEW jc20 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.ss20 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ss20 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ss20 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ss20 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ss20 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.ss20 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc20hj AS
SELECT ss20 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ss20 BETWEEN 1 AND 6 GROUP BY ss20;

-- 21 卫生条件
CREATE VIEW jc21 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.ws21 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.ws21 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.ws21 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.ws21 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.ws21 = 5 THEN 1 ELSE 0 END) AS "5"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc21hj AS
SELECT ws21 AS dm, COUNT(*) AS sl FROM reporttemp WHERE ws21 BETWEEN 1 AND 5 GROUP BY ws21;

-- 22 病房整洁
CREATE VIEW jc22 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.bf22 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.bf22 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.bf22 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.bf22 = 4 THEN 1 ELSE 0 END) AS "4"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc22hj AS
SELECT bf22 AS dm, COUNT(*) AS sl FROM reporttemp WHERE bf22 BETWEEN 1 AND 4 GROUP BY bf22;

-- 23 红灯呼叫
CREATE VIEW jc23 AS
SELECT r.jyks1, COALESCE(j.ksmc, CAST(r.jyks1 AS VARCHAR(11))) AS ksmc,
  SUM(CASE WHEN r.hd23 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.hd23 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.hd23 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.hd23 = 4 THEN 1 ELSE 0 END) AS "4"
FROM reporttemp r LEFT JOIN jyks j ON j.ksbh = r.jyks1
GROUP BY r.jyks1, j.ksmc
ORDER BY r.jyks1;
CREATE VIEW jc23hj AS
SELECT hd23 AS dm, COUNT(*) AS sl FROM reporttemp WHERE hd23 BETWEEN 1 AND 4 GROUP BY hd23;

-- 24 护士巡视
CREATE VIEW jc24 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.xs24 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.xs24 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.xs24 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.xs24 = 4 THEN 1 ELSE 0 END) AS "4"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc24hj AS
SELECT xs24 AS dm, COUNT(*) AS sl FROM reporttemp WHERE xs24 BETWEEN 1 AND 4 GROUP BY xs24;

-- 25 医疗护理措施
CREATE VIEW jc25 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.yl25 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.yl25 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.yl25 = 3 THEN 1 ELSE 0 END) AS "3"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc25hj AS
SELECT yl25 AS dm, COUNT(*) AS sl FROM reporttemp WHERE yl25 BETWEEN 1 AND 3 GROUP BY yl25;

-- 26 解答问题
CREATE VIEW jc26 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.jd26 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.jd26 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.jd26 = 3 THEN 1 ELSE 0 END) AS "3"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc26hj AS
SELECT jd26 AS dm, COUNT(*) AS sl FROM reporttemp WHERE jd26 BETWEEN 1 AND 3 GROUP BY jd26;

-- 27 索要钱物
CREATE VIEW jc27 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.sy27 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.sy27 = 2 THEN 1 ELSE 0 END) AS "2"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc27hj AS
SELECT sy27 AS dm, COUNT(*) AS sl FROM reporttemp WHERE sy27 BETWEEN 1 AND 2 GROUP BY sy27;

-- 28 宴请
CREATE VIEW jc28 AS
SELECT r.jyks1,
  SUM(CASE WHEN r.yq28 = 1 THEN 1 ELSE 0 END) AS "1",
  SUM(CASE WHEN r.yq28 = 2 THEN 1 ELSE 0 END) AS "2",
  SUM(CASE WHEN r.yq28 = 3 THEN 1 ELSE 0 END) AS "3",
  SUM(CASE WHEN r.yq28 = 4 THEN 1 ELSE 0 END) AS "4",
  SUM(CASE WHEN r.yq28 = 5 THEN 1 ELSE 0 END) AS "5",
  SUM(CASE WHEN r.yq28 = 6 THEN 1 ELSE 0 END) AS "6"
FROM reporttemp r
GROUP BY r.jyks1
ORDER BY r.jyks1;
CREATE VIEW jc28hj AS
SELECT yq28 AS dm, COUNT(*) AS sl FROM reporttemp WHERE yq28 BETWEEN 1 AND 6 GROUP BY yq28;

-- zbfb, sheet 1's department percentage: the department's satisfied answers (codes 1 and 2) among its counted
-- answers (codes 1-5; code 6 未接触 left out) over the three rated questions of sheet 1 (3 医保工作人员,
-- 4 导医人员, 5 医生服务态度). Field 1 numerator, field 2 denominator; a department without any counted answer
-- has no row, so the denominator is never 0. Ascending department number, like jc4.
CREATE VIEW zbfb AS
SELECT r.jyks1,
  SUM(CASE WHEN r.yb3 IN (1, 2) THEN 1 ELSE 0 END + CASE WHEN r.dy4 IN (1, 2) THEN 1 ELSE 0 END
    + CASE WHEN r.ystd5 IN (1, 2) THEN 1 ELSE 0 END) AS myrs,
  SUM(CASE WHEN r.yb3 BETWEEN 1 AND 5 THEN 1 ELSE 0 END + CASE WHEN r.dy4 BETWEEN 1 AND 5 THEN 1 ELSE 0 END
    + CASE WHEN r.ystd5 BETWEEN 1 AND 5 THEN 1 ELSE 0 END) AS pjrs
FROM reporttemp r
GROUP BY r.jyks1
HAVING SUM(CASE WHEN r.yb3 BETWEEN 1 AND 5 THEN 1 ELSE 0 END + CASE WHEN r.dy4 BETWEEN 1 AND 5 THEN 1 ELSE 0 END
    + CASE WHEN r.ystd5 BETWEEN 1 AND 5 THEN 1 ELSE 0 END) > 0
ORDER BY r.jyks1;

-- Medical-technical report: yjXXn counts answer column XXn of reporttempyj: one row per code that occurs
-- (greater than 0), the code and the number of rows holding it. (jy5, fs6, bl5, gn5, ct4 and tw4 the report
-- counts itself.)
CREATE VIEW yjjy1 AS SELECT jy1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE jy1 > 0 GROUP BY jy1;
CREATE VIEW yjjy2 AS SELECT jy2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE jy2 > 0 GROUP BY jy2;
CREATE VIEW yjjy3 AS SELECT jy3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE jy3 > 0 GROUP BY jy3;
CREATE VIEW yjjy4 AS SELECT jy4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE jy4 > 0 GROUP BY jy4;
CREATE VIEW yjfs1 AS SELECT fs1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE fs1 > 0 GROUP BY fs1;
CREATE VIEW yjfs2 AS SELECT fs2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE fs2 > 0 GROUP BY fs2;
CREATE VIEW yjfs3 AS SELECT fs3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE fs3 > 0 GROUP BY fs3;
CREATE VIEW yjfs4 AS SELECT fs4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE fs4 > 0 GROUP BY fs4;
CREATE VIEW yjfs5 AS SELECT fs5 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE fs5 > 0 GROUP BY fs5;
CREATE VIEW yjbl1 AS SELECT bl1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE bl1 > 0 GROUP BY bl1;
CREATE VIEW yjbl2 AS SELECT bl2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE bl2 > 0 GROUP BY bl2;
CREATE VIEW yjbl3 AS SELECT bl3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE bl3 > 0 GROUP BY bl3;
CREATE VIEW yjbl4 AS SELECT bl4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE bl4 > 0 GROUP BY bl4;
CREATE VIEW yjgn1 AS SELECT gn1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gn1 > 0 GROUP BY gn1;
CREATE VIEW yjgn2 AS SELECT gn2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gn2 > 0 GROUP BY gn2;
CREATE VIEW yjgn3 AS SELECT gn3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gn3 > 0 GROUP BY gn3;
CREATE VIEW yjgn4 AS SELECT gn4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gn4 > 0 GROUP BY gn4;
CREATE VIEW yjct1 AS SELECT ct1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ct1 > 0 GROUP BY ct1;
CREATE VIEW yjct2 AS SELECT ct2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ct2 > 0 GROUP BY ct2;
CREATE VIEW yjct3 AS SELECT ct3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ct3 > 0 GROUP BY ct3;
CREATE VIEW yjtw1 AS SELECT tw1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE tw1 > 0 GROUP BY tw1;
CREATE VIEW yjtw2 AS SELECT tw2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE tw2 > 0 GROUP BY tw2;
CREATE VIEW yjtw3 AS SELECT tw3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE tw3 > 0 GROUP BY tw3;
CREATE VIEW yjzp1 AS SELECT zp1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zp1 > 0 GROUP BY zp1;
CREATE VIEW yjzp2 AS SELECT zp2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zp2 > 0 GROUP BY zp2;
CREATE VIEW yjzp3 AS SELECT zp3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zp3 > 0 GROUP BY zp3;
CREATE VIEW yjzy1 AS SELECT zy1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zy1 > 0 GROUP BY zy1;
CREATE VIEW yjzy2 AS SELECT zy2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zy2 > 0 GROUP BY zy2;
CREATE VIEW yjzy3 AS SELECT zy3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zy3 > 0 GROUP BY zy3;
CREATE VIEW yjzy4 AS SELECT zy4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE zy4 > 0 GROUP BY zy4;
CREATE VIEW yjxy1 AS SELECT xy1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xy1 > 0 GROUP BY xy1;
CREATE VIEW yjxy2 AS SELECT xy2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xy2 > 0 GROUP BY xy2;
CREATE VIEW yjxy3 AS SELECT xy3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xy3 > 0 GROUP BY xy3;
CREATE VIEW yjxy4 AS SELECT xy4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xy4 > 0 GROUP BY xy4;
CREATE VIEW yjxk1 AS SELECT xk1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xk1 > 0 GROUP BY xk1;
CREATE VIEW yjxk2 AS SELECT xk2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xk2 > 0 GROUP BY xk2;
CREATE VIEW yjxk3 AS SELECT xk3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE xk3 > 0 GROUP BY xk3;
CREATE VIEW yjss1 AS SELECT ss1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ss1 > 0 GROUP BY ss1;
CREATE VIEW yjss2 AS SELECT ss2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ss2 > 0 GROUP BY ss2;
CREATE VIEW yjss3 AS SELECT ss3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ss3 > 0 GROUP BY ss3;
CREATE VIEW yjss4 AS SELECT ss4 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ss4 > 0 GROUP BY ss4;
CREATE VIEW yjgy1 AS SELECT gy1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gy1 > 0 GROUP BY gy1;
CREATE VIEW yjgy2 AS SELECT gy2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gy2 > 0 GROUP BY gy2;
CREATE VIEW yjgy3 AS SELECT gy3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE gy3 > 0 GROUP BY gy3;
CREATE VIEW yjps1 AS SELECT ps1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ps1 > 0 GROUP BY ps1;
CREATE VIEW yjps2 AS SELECT ps2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ps2 > 0 GROUP BY ps2;
CREATE VIEW yjps3 AS SELECT ps3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE ps3 > 0 GROUP BY ps3;
CREATE VIEW yjsx1 AS SELECT sx1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE sx1 > 0 GROUP BY sx1;
CREATE VIEW yjsx2 AS SELECT sx2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE sx2 > 0 GROUP BY sx2;
CREATE VIEW yjsx3 AS SELECT sx3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE sx3 > 0 GROUP BY sx3;
CREATE VIEW yjyy1 AS SELECT yy1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yy1 > 0 GROUP BY yy1;
CREATE VIEW yjyy2 AS SELECT yy2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yy2 > 0 GROUP BY yy2;
CREATE VIEW yjyj1 AS SELECT yj1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yj1 > 0 GROUP BY yj1;
CREATE VIEW yjyj2 AS SELECT yj2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yj2 > 0 GROUP BY yj2;
CREATE VIEW yjyj3 AS SELECT yj3 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yj3 > 0 GROUP BY yj3;
CREATE VIEW yjyp1 AS SELECT yp1 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yp1 > 0 GROUP BY yp1;
CREATE VIEW yjyp2 AS SELECT yp2 AS dm, COUNT(*) AS sl FROM reporttempyj WHERE yp2 > 0 GROUP BY yp2;
