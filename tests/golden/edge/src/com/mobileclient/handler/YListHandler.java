package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Y;
public class YListHandler extends DefaultHandler {
	private List<Y> yList = null;
	private Y y;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (y != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (y != null) { 
            String valueString = valueBuffer.toString(); 
            if ("b".equals(tempString)) 
            	y.setB(valueString); 
            else if ("p".equals(tempString)) 
            	y.setP(valueString); 
            else if ("x".equals(tempString) && valueString.length() > 0) 
            	y.setX(new Integer(valueString).intValue());
            else if ("d".equals(tempString) && valueString.length() > 0) 
            	y.setD(Timestamp.valueOf(valueString));
        } 
		if("Y".equals(localName)&&y!=null){
			yList.add(y);
			y = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		yList = new ArrayList<Y>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Y".equals(localName)) {
            y = new Y(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Y> getYList() {
		return this.yList;
	}
}
