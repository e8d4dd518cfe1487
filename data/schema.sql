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
